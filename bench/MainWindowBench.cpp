// The main window with a ten-year diary: from opening the diary to a painted window, a day
// change between two written days, a month step of the calendar, and the recovery file
// written on its worker while the window keeps handling events.
#include "DiaryBodies.h"

#include "windows/main/MainWindow.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/TitleEdit.h"
#include "formats/diary/DiaryFile.h"
#include "support/ScriptedDialogs.h"
#include "widgets/services/Services.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

const char* const Password = "bench";

// A program folder holding "TenYears.dry", and services over it.
struct TenYearFolder {
    TenYearFolder()
        : services({folder.path().toStdString(), folder.path().toStdString() + "/registry.reg", 1252}, dialogs,
                   QStringLiteral("The Daybrook"), [] { return calendar::Date{2015, 6, 15}; })
    {
        if (!SaveDiary(folder.path().toStdString() + "/TenYears.dry", bench::TenYearDiary().Text.Lines(), Password))
            throw std::runtime_error("cannot write the ten-year diary");
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

// The window as the selection window leaves it: the diary opened, then shown and activated.
void OpenAndShow(MainWindow& main)
{
    main.Session().Open("TenYears", Password);
    main.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&main, &activate);
}

void BM_OpenToPaintedMainWindow(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    for (auto _ : state) {
        state.PauseTiming();
        auto main = std::make_unique<MainWindow>(folder.services);
        state.ResumeTiming();
        OpenAndShow(*main);
        benchmark::DoNotOptimize(main->grab());
        state.PauseTiming();
        main.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToPaintedMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Between two written days; with stored: the shown day was edited and is stored on leaving.
void BM_DayChange(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    MainWindow main(folder.services);
    OpenAndShow(main);
    const bool stored = state.range(0) != 0;
    bool other = false;
    for (auto _ : state) {
        if (stored)
            main.edTitle->setModified(true);
        main.DCalendar->SetCalendarDate(other ? calendar::Date{2015, 6, 15} : calendar::Date{2015, 6, 16});
        other = !other;
    }
    state.SetLabel(stored ? "leaving an edited day" : "leaving an unchanged day");
    main.Session().Diary.Dirty = false;
}
BENCHMARK(BM_DayChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MonthStep(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    MainWindow main(folder.services);
    OpenAndShow(main);
    bool forward = true;
    for (auto _ : state) {
        forward ? main.DCalendar->NextMonth() : main.DCalendar->PrevMonth();
        main.DCalendar->repaint();
        forward = !forward;
    }
}
BENCHMARK(BM_MonthStep)->Unit(benchmark::kMillisecond);

// One recovery write: its processor time on the worker, and the longest the window's thread
// went without handling an event meanwhile (a 5 ms timer ticks on it).
void BM_RecoveryWrite(benchmark::State& state)
{
    TenYearFolder& folder = Folder();
    MainWindow main(folder.services);
    OpenAndShow(main);
    main.Session().Diary.Dirty = true;
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
        WriteDiaryCopy(main.Session().RecoveryFile(), main.Session().Text().Lines(), main.Session().Lock());
    });
    main.Session().Diary.Dirty = false;
    main.Session().RemoveRecovery();
    state.counters["longest_ui_gap_ms"] = longestGap;
    state.counters["write_cpu_ms"] = workerSeconds * 1000;
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
