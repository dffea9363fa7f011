// The main window with a ten-year diary: from opening the diary to a painted window, a day
// change between two written days, a month step of the calendar, and the recovery file
// written on its worker while the window keeps handling events.
#include "DiaryBodies.h"

#include "windows/main/MainWindow.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/TitleEdit.h"
#include "formats/diary/DiaryFile.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "support/ScriptedDialogs.h"
#include "widgets/services/Services.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

const char* const Password = "bench";

// A program folder holding "TenYears.dry", and services over it.
struct TenYearFolder {
    TenYearFolder()
        : services({folder.path().toStdString(), folder.path().toStdString() + "/registry.reg", 1252}, dialogs,
                   QStringLiteral("The Daybrook"), [] { return calendar::Date{2015, 6, 15}; })
    {
        SaveDiary(folder.path().toStdString() + "/TenYears.dry", bench::TenYearDiary().Text.Lines(), Password);
    }

    QTemporaryDir folder;
    widgets::ScriptedDialogs dialogs;
    widgets::Services services;
};

TenYearFolder& Folder()
{
    bench::EnsureApplication();
    static TenYearFolder folder;
    return folder;
}

// A run of the program: its session and main window.
struct Run {
    explicit Run(widgets::Services& services)
        : session(services.ProgramFolder().string(), platform::CompareText), main(services, session)
    {
    }

    DiarySession session;
    MainWindow main;
};

// The window as the selection window leaves it: the diary opened, then shown and activated.
void OpenAndShow(Run& run)
{
    (void)run.session.Open("TenYears", Password);
    run.main.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&run.main, &activate);
}

void BM_OpenToPaintedMainWindow(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    for (auto _ : state) {
        state.PauseTiming();
        auto run = std::make_unique<Run>(folder.services);
        state.ResumeTiming();
        OpenAndShow(*run);
        benchmark::DoNotOptimize(run->main.grab());
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToPaintedMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Between two written days; with stored: the shown day was edited and is stored on leaving.
void BM_DayChange(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    Run run(folder.services);
    OpenAndShow(run);
    auto* title = run.main.findChild<TitleEdit*>("titleEdit");
    auto* calendar = run.main.findChild<calendar::MainCalendar*>("calendar");
    const bool stored = state.range(0) != 0;
    bool other = false;
    for (auto _ : state) {
        if (stored)
            title->setModified(true);
        calendar->SetCalendarDate(other ? calendar::Date{2015, 6, 15} : calendar::Date{2015, 6, 16});
        other = !other;
    }
    state.SetLabel(stored ? "leaving an edited day" : "leaving an unchanged day");
    run.session.DropChanges();
}
BENCHMARK(BM_DayChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MonthStep(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    Run run(folder.services);
    OpenAndShow(run);
    auto* calendar = run.main.findChild<calendar::MainCalendar*>("calendar");
    bool forward = true;
    for (auto _ : state) {
        forward ? calendar->NextMonth() : calendar->PrevMonth();
        calendar->repaint();
        forward = !forward;
    }
}
BENCHMARK(BM_MonthStep)->Unit(benchmark::kMillisecond);

// One recovery write: its processor time on the worker, and the longest the window's thread
// went without handling an event meanwhile (a 5 ms timer ticks on it).
void BM_RecoveryWrite(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    Run run(folder.services);
    OpenAndShow(run);
    MainWindow& main = run.main;
    DiarySession& session = run.session;
    session.Diary.Dirty = true;
    double longestGap = 0;
    double workerSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        ticks.start(5);
        sinceTick.start();
        main.Recovery().WriteNow();
        while (main.Recovery().Writing())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        ticks.stop();
    }
    workerSeconds = bench::ThreadSeconds([&] {
        (void)WriteDiaryCopy(session.RecoveryFile(), session.Text().Lines(), session.Lock());
    });
    session.DropChanges();
    session.RemoveRecovery();
    state.counters["longest_ui_gap_ms"] = longestGap;
    state.counters["write_cpu_ms"] = workerSeconds * 1000;
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
