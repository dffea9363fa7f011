// The main window's settings at start and at exit: loading the whole table from the registry
// file, and saving it back unchanged or with every value changed. The yardstick is one
// crash-safe write of the same file, the least any save can cost.
#include "BenchSupport.h"
#include "model/settings/MainSettings.h"
#include "base/io/SafeFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

using base::io::ReadWhole;
using base::io::WriteWhole;
using model::settings::DeclareMainSettings;
using model::settings::MainSettings;
using model::settings::Settings;
using model::settings::SettingsValueType;
using model::settings::Variant;
using platform::registry::RegistryFile;

namespace {

// A registry file holding every setting, in a folder of its own.
class SettingsFile {
public:
    SettingsFile() : folder_(std::filesystem::temp_directory_path() / "daybrook-bench-settings")
    {
        std::filesystem::create_directories(folder_);
        std::filesystem::remove(File());
        Settings reger(Store());
        DeclareMainSettings(reger, [](const std::string&) {});
    }
    ~SettingsFile() { std::filesystem::remove_all(folder_); }
    std::filesystem::path File() const { return folder_ / "registry.reg"; }
    RegistryFile Store() const { return {File(), {}}; }

private:
    std::filesystem::path folder_;
};

void NoErrors(const std::string& message)
{
    throw std::runtime_error(message);
}

void BM_LoadMainSettings(benchmark::State& state)
{
    const SettingsFile settings;
    for (auto _ : state) {
        Settings reger(settings.Store());
        DeclareMainSettings(reger, NoErrors);
        benchmark::DoNotOptimize(reger.GetValue("LastDiaryName"));
        for (int i = 0; i < reger.Items().Count(); ++i)
            reger.Items()[i].AutoStore = false;
    }
    state.counters["settings"] = static_cast<double>(MainSettings().size());
}
BENCHMARK(BM_LoadMainSettings)->Unit(benchmark::kMicrosecond);

void BM_SaveMainSettings(benchmark::State& state)
{
    const SettingsFile settings;
    const bool changed = state.range(0) != 0;
    int32_t round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto reger = std::make_unique<Settings>(settings.Store());
        DeclareMainSettings(*reger, NoErrors);
        ++round;
        if (changed)
            for (int i = 0; i < reger->Items().Count(); ++i)
                reger->Items()[i].Value = reger->Items()[i].ValueType == SettingsValueType::String
                                              ? Variant(std::to_string(round))
                                              : Variant(round);
        state.ResumeTiming();
        reger.reset(); // saves every setting
    }
    state.SetLabel(changed ? "every value changed" : "nothing changed");
}
BENCHMARK(BM_SaveMainSettings)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_YardstickOneSafeWrite(benchmark::State& state)
{
    const SettingsFile settings;
    const std::string bytes = *ReadWhole(settings.File());
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteWhole(settings.File(), bytes));
}
BENCHMARK(BM_YardstickOneSafeWrite)->Unit(benchmark::kMicrosecond);

const bench::Ratio Ratios[] = {
    {"BM_LoadMainSettings", "BM_YardstickOneSafeWrite"},
    {"BM_SaveMainSettings/0", "BM_YardstickOneSafeWrite"},
    {"BM_SaveMainSettings/1", "BM_YardstickOneSafeWrite"},
};

} // namespace
