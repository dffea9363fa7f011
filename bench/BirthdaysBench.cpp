// The birthday keeper with a large list: opening its window (the list decoded, the window
// built, its status worked out and everything painted once) and stepping a month (the status
// and a repaint). The working store holds at most about 1,450 entries with names of eleven
// characters; a list of 2,000 is restored from a backup file. The yardstick is decoding the list.
#include "BenchSupport.h"

#include "windows/keeper/KeeperWindow.h"
#include "widgets/calendar/KeeperCalendar.h"
#include "support/ScriptedDialogs.h"
#include "widgets/services/Services.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using base::dates::Date;
using base::dates::EncodeDate;
using formats::birthdays::ReadEntryStream;
using model::birthdays::BirthdayBook;
using model::birthdays::BirthdayEntry;
using model::birthdays::BirthdayEntryComponent;
using platform::environment::Environment;
using widgets::services::Services;
using windows::keeper::KeeperWindow;

namespace {

// The widgets need an application; the benchmarks make one, offscreen, when first asked.
void EnsureApplication()
{
    static std::unique_ptr<QApplication> application;
    if (application)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "daybrook-bench";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
}

// Names of eleven characters, days spread over the whole year.
void FillEntries(BirthdayBook& entries, int count)
{
    for (int i = 0; i < count; ++i) {
        BirthdayEntry& entry = entries.Add();
        char name[24];
        std::snprintf(name, sizeof name, "Person %04d", i);
        entry.SetFullName(name);
        entry.SetBirthDate(EncodeDate(1950 + i % 55, 1 + i % 12, 1 + i * 7 % 28));
    }
}

class KeeperBench {
public:
    KeeperBench()
        : services_(Environment{folder_.path().toStdString(), File("registry.reg"), 1252}, dialogs_,
                    QStringLiteral("The Daybrook"), [] {
                        return Date{2024, 3, 15};
                    })
    {
        EnsureApplication();
    }

    std::string File(const char* name) const { return (folder_.path() + "/" + name).toStdString(); }
    widgets::services::Services& Services() { return services_; }

    // Reads the (empty) working store, then restores the backup file through the keeper's
    // tools menu, as the user does.
    void Restore(KeeperWindow& keeper)
    {
        keeper.LoadOnce();
        dialogs_.AnswerText(QString::fromStdString(File("entries.bbk")));
        keeper.findChild<QAction*>(QStringLiteral("restoreAction"))->trigger();
    }

    // The list in the working store, or in a backup file; returns its stored bytes.
    std::string Store(int count, bool inBackup)
    {
        BirthdayEntryComponent component(services_.SettingsStore(), 1252);
        FillEntries(component.Entries(), count);
        const auto saved = inBackup ? component.SaveToFile(File("entries.bbk")) : component.SaveToRegistry();
        if (!saved)
            std::abort();
        return component.Stream();
    }

private:
    QTemporaryDir folder_;
    testing_support::ScriptedDialogs dialogs_;
    widgets::services::Services services_;
};

void Open(KeeperWindow& keeper)
{
    keeper.LoadOnce();
    keeper.show();
    benchmark::DoNotOptimize(keeper.grab());
}

void BM_DecodeEntries(benchmark::State& state)
{
    KeeperBench bench;
    const std::string bytes = bench.Store(static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadEntryStream(bytes, 1252));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DecodeEntries)->Arg(1450)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_OpenKeeper(benchmark::State& state)
{
    KeeperBench bench;
    bench.Store(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        KeeperWindow keeper(nullptr, bench.Services());
        Open(keeper);
    }
}
BENCHMARK(BM_OpenKeeper)->Arg(1450)->Unit(benchmark::kMillisecond);

void BM_OpenKeeperWithBackup(benchmark::State& state)
{
    KeeperBench bench;
    bench.Store(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        KeeperWindow keeper(nullptr, bench.Services());
        bench.Restore(keeper);
        Open(keeper);
    }
}
BENCHMARK(BM_OpenKeeperWithBackup)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_KeeperMonthStep(benchmark::State& state)
{
    KeeperBench bench;
    bench.Store(static_cast<int>(state.range(0)), true);
    KeeperWindow keeper(nullptr, bench.Services());
    bench.Restore(keeper);
    Open(keeper);
    for (auto _ : state) {
        keeper.NextMonth();
        benchmark::DoNotOptimize(keeper.grab());
    }
}
BENCHMARK(BM_KeeperMonthStep)->Arg(2000)->Unit(benchmark::kMillisecond);

const bench::Ratio OpenRatio("BM_OpenKeeperWithBackup/2000", "BM_DecodeEntries/2000");
const bench::Ratio StepRatio("BM_KeeperMonthStep/2000", "BM_DecodeEntries/2000");

} // namespace
