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

using base::dates::Date;
using formats::diary::SaveDiary;
using model::session::DiarySession;
using model::session::WriteDiaryCopy;
using platform::locale::CompareText;
using widgets::calendar::MainCalendar;
using widgets::dialogs::Dialogs;
using widgets::editor::TitleEdit;
using widgets::services::Services;
using windows::main::MainWindow;

namespace {

const char* const Password = "bench";

// A program folder holding "TenYears.dry", and services over it.
struct TenYearFolder {
    TenYearFolder()
        : Services({Folder.path().toStdString(), Folder.path().toStdString() + "/registry.reg", 1252},
                   Dialogs, QStringLiteral("The Daybrook"), [] {
                       return Date{2015, 6, 15};
                   })
    {
        SaveDiary(Folder.path().toStdString() + "/TenYears.dry", bench::TenYearDiary().Text.Lines(), Password);
    }

    QTemporaryDir Folder;
    testing_support::ScriptedDialogs Dialogs;
    widgets::services::Services Services;
};

TenYearFolder& Folder()
{
    bench::EnsureApplication();
    static TenYearFolder folder;
    return folder;
}

// A run of the program: its session and main window.
struct Run {
    explicit Run(Services& services)
        : Session(services.ProgramFolder().string(), CompareText), Main(services, Session)
    {
    }

    DiarySession Session;
    MainWindow Main;
};

// The window as the selection window leaves it: the diary opened, then shown and activated.
void OpenAndShow(Run& run)
{
    (void)run.Session.Open("TenYears", Password);
    run.Main.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&run.Main, &activate);
}

void BM_OpenToPaintedMainWindow(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    for (auto _ : state) {
        state.PauseTiming();
        auto run = std::make_unique<Run>(folder.Services);
        state.ResumeTiming();
        OpenAndShow(*run);
        benchmark::DoNotOptimize(run->Main.grab());
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToPaintedMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Between two written days; with stored: the shown day was edited and is stored on leaving.
void BM_ShowCalendarDay(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    Run run(folder.Services);
    OpenAndShow(run);
    auto* title = run.Main.findChild<TitleEdit*>("titleEdit");
    auto* grid = run.Main.findChild<MainCalendar*>("calendar");
    const bool stored = state.range(0) != 0;
    bool other = false;
    for (auto _ : state) {
        if (stored)
            title->setModified(true);
        grid->SetCalendarDate(other ? Date{2015, 6, 15} : Date{2015, 6, 16});
        other = !other;
    }
    state.SetLabel(stored ? "leaving an edited day" : "leaving an unchanged day");
    run.Session.DropChanges();
}
BENCHMARK(BM_ShowCalendarDay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MonthStep(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    Run run(folder.Services);
    OpenAndShow(run);
    auto* grid = run.Main.findChild<MainCalendar*>("calendar");
    bool forward = true;
    for (auto _ : state) {
        forward ? grid->NextMonth() : grid->PrevMonth();
        grid->repaint();
        forward = !forward;
    }
}
BENCHMARK(BM_MonthStep)->Unit(benchmark::kMillisecond);

// One recovery write: its processor time on the worker, and the longest the window's thread
// went without handling an event meanwhile (a 5 ms timer ticks on it).
void BM_RecoveryWrite(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    Run run(folder.Services);
    OpenAndShow(run);
    MainWindow& main = run.Main;
    DiarySession& session = run.Session;
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
