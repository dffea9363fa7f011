// The sealed diary file: the key derivation, and a ten-year diary opened and saved sealed, with
// the plain file's load and save of the same diary as the yardsticks.
#include "BenchSupport.h"

#include "formats/diary/DiaryFormat.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <unistd.h>

using formats::diary::DiaryLock;
using formats::diary::LoadDiaryFile;
using formats::diary::ProductionKdf;
using formats::diary::SaveDiaryFile;
using formats::diary::SealedLock;
using formats::diary::SealKey;

namespace {

const std::vector<std::string>& TenYears()
{
    static const std::vector<std::string> records = bench::DiaryRecords(3650, 1500);
    return records;
}

std::filesystem::path BenchFile(const char* name)
{
    return std::filesystem::temp_directory_path() / ("daybrook-bench-" + std::to_string(::getpid()) + name);
}

double Milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

void DeriveSealKey(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SealKey::Derive("password", ProductionKdf));
}

// Saving with the session's key, as every save after the opening does.
void SaveSealedTenYearDiary(benchmark::State& state)
{
    const auto file = BenchFile("-save-sealed.dry");
    const DiaryLock lock = SealedLock("password");
    for (auto _ : state)
        if (!SaveDiaryFile(file, TenYears(), lock))
            state.SkipWithError("save failed");
    state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(file)) / 1024;
    std::filesystem::remove(file);
}

// Opening derives the key from the password first; beyond_kdf_ms is the rest of the opening.
void LoadSealedTenYearDiary(benchmark::State& state)
{
    const auto file = BenchFile("-load-sealed.dry");
    if (!SaveDiaryFile(file, TenYears(), SealedLock("password")))
        state.SkipWithError("save failed");
    const auto kdfStart = std::chrono::steady_clock::now();
    SealKey::Derive("password", ProductionKdf);
    const double kdf = Milliseconds(std::chrono::steady_clock::now() - kdfStart);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!LoadDiaryFile(file, "password"))
            state.SkipWithError("load failed");
        total += Milliseconds(std::chrono::steady_clock::now() - start);
    }
    state.counters["kdf_ms"] = kdf;
    state.counters["beyond_kdf_ms"] = total / static_cast<double>(state.iterations()) - kdf;
    std::filesystem::remove(file);
}

BENCHMARK(DeriveSealKey)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveSealedTenYearDiary)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadSealedTenYearDiary)->Unit(benchmark::kMillisecond);

const bench::Ratio Ratios[] = {
    {"SaveSealedTenYearDiary", "SaveTenYearDiary"},
    {"LoadSealedTenYearDiary", "LoadTenYearDiary"},
};

} // namespace
