// The sealed diary file: the key derivation, and a ten-year diary opened, saved and written as a
// recovery copy sealed, each with the processor time of the same work on the plain file,
// measured beside it in the same run, as the yardstick.
#include "BenchSupport.h"
#include "DiaryBodies.h"

#include "formats/diary/DiaryFormat.h"
#include "model/session/DiarySession.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <unistd.h>

using formats::diary::CheapestKdf;
using formats::diary::DiaryLock;
using formats::diary::LoadDiaryFile;
using formats::diary::PlainLock;
using formats::diary::ProductionKdf;
using formats::diary::SaveDiaryFile;
using formats::diary::SealedLock;
using formats::diary::SealKey;
using model::session::WriteDiaryCopy;

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

double FileKiB(const std::filesystem::path& file)
{
    return static_cast<double>(std::filesystem::file_size(file)) / 1024;
}

// Processor time of one run of the work, the fastest of three.
template <typename F>
double CpuMs(F&& work)
{
    double fastest = 1e9;
    for (int i = 0; i < 3; ++i)
        fastest = std::min(fastest, 1000 * bench::ThreadSeconds(work));
    return fastest;
}

void DeriveSealKey(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SealKey::Derive("password", ProductionKdf));
}

// Saving with the session's key, as every save after the opening does.
void SaveSealedTenYearDiary(benchmark::State& state)
{
    const auto sealedFile = BenchFile("-save-sealed.dry");
    const auto plainFile = BenchFile("-save-plain.dry");
    const DiaryLock sealed = SealedLock("password");
    const DiaryLock plain = PlainLock("password");
    for (auto _ : state)
        if (!SaveDiaryFile(sealedFile, TenYears(), sealed))
            state.SkipWithError("save failed");
    const double sealedCpu = CpuMs([&] { (void)SaveDiaryFile(sealedFile, TenYears(), sealed); });
    const double plainCpu = CpuMs([&] { (void)SaveDiaryFile(plainFile, TenYears(), plain); });
    state.counters["cpu_ms"] = sealedCpu;
    state.counters["plain_cpu_ms"] = plainCpu;
    state.counters["x_plain"] = sealedCpu / plainCpu;
    state.counters["file_kB"] = FileKiB(sealedFile);
    state.counters["plain_file_kB"] = FileKiB(plainFile);
    std::filesystem::remove(sealedFile);
    std::filesystem::remove(plainFile);
}

// Opening derives the key from the password first; beyond_kdf is the rest of the opening.
void LoadSealedTenYearDiary(benchmark::State& state)
{
    const auto sealedFile = BenchFile("-load-sealed.dry");
    const auto plainFile = BenchFile("-load-plain.dry");
    if (!SaveDiaryFile(sealedFile, TenYears(), SealedLock("password")) ||
        !SaveDiaryFile(plainFile, TenYears(), PlainLock("password")))
        state.SkipWithError("save failed");
    const auto kdfStart = std::chrono::steady_clock::now();
    SealKey::Derive("password", ProductionKdf);
    const double kdf = Milliseconds(std::chrono::steady_clock::now() - kdfStart);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!LoadDiaryFile(sealedFile, "password"))
            state.SkipWithError("load failed");
        total += Milliseconds(std::chrono::steady_clock::now() - start);
    }
    // The same file with the cheapest derivation costs only what lies beyond it.
    const auto cheapFile = BenchFile("-load-cheap.dry");
    (void)SaveDiaryFile(cheapFile, TenYears(), SealedLock("password", CheapestKdf));
    const double beyondKdfCpu = CpuMs([&] { (void)LoadDiaryFile(cheapFile, "password"); });
    const double plainCpu = CpuMs([&] { (void)LoadDiaryFile(plainFile, "password"); });
    state.counters["kdf_ms"] = kdf;
    state.counters["beyond_kdf_ms"] = total / static_cast<double>(state.iterations()) - kdf;
    state.counters["beyond_kdf_cpu_ms"] = beyondKdfCpu;
    state.counters["plain_cpu_ms"] = plainCpu;
    state.counters["x_plain"] = beyondKdfCpu / plainCpu;
    for (const auto& file : {sealedFile, plainFile, cheapFile})
        std::filesystem::remove(file);
}

// What the recovery worker does for an open ten-year diary: the whole copy written in the
// diary's format with the session's key.
void RecoveryWriteSealedTenYearDiary(benchmark::State& state)
{
    const std::string file = BenchFile("-recovery.rcv").string();
    const DiaryLock sealed = SealedLock("password");
    for (auto _ : state)
        if (!WriteDiaryCopy(file, TenYears(), sealed))
            state.SkipWithError("write failed");
    const double sealedCpu = CpuMs([&] { (void)WriteDiaryCopy(file, TenYears(), sealed); });
    const double plainCpu = CpuMs([&] { (void)WriteDiaryCopy(file, TenYears(), PlainLock("password")); });
    state.counters["cpu_ms"] = sealedCpu;
    state.counters["plain_cpu_ms"] = plainCpu;
    state.counters["x_plain"] = sealedCpu / plainCpu;
    std::filesystem::remove(file);
}

BENCHMARK(DeriveSealKey)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveSealedTenYearDiary)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadSealedTenYearDiary)->Unit(benchmark::kMillisecond);
BENCHMARK(RecoveryWriteSealedTenYearDiary)->Unit(benchmark::kMillisecond);

const bench::Ratio Ratios[] = {
    {"SaveSealedTenYearDiary", "SaveTenYearDiary"},
    {"LoadSealedTenYearDiary", "LoadTenYearDiary"},
};

} // namespace
