// The open diary's look at its file before a write, when nothing changed (size, time and inode
// only) and when the file was touched but holds the same bytes (hashed); and merging two
// ten-year diaries that differ in 100 days, three ways and two ways.
#include "BenchSupport.h"

#include "formats/diary/DiaryFormat.h"
#include "formats/merge/DayMerge.h"
#include "model/session/DiarySession.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using base::text::LineList;
using formats::diary::PlainLock;
using formats::diary::SaveDiaryFile;
using formats::merge::MergeThreeWay;
using formats::merge::MergeTwoWay;
using formats::merge::OtherCopy;
using model::session::DiarySession;

namespace {

const LineList& TenYears()
{
    static const LineList records = bench::DiaryRecords(3650, 1500);
    return records;
}

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

// A folder holding the ten-year diary "Journal.dry", removed at the end.
class DiaryFolder {
public:
    DiaryFolder()
    {
        std::filesystem::create_directories(path_);
        (void)SaveDiaryFile(path_ / "Journal.dry", TenYears(), PlainLock("password"));
    }
    ~DiaryFolder() { std::filesystem::remove_all(path_); }
    DiaryFolder(const DiaryFolder&) = delete;
    DiaryFolder& operator=(const DiaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("daybrook-bench-merge-" + std::to_string(::getpid()));
};

void ChangeCheckUnchanged(benchmark::State& state)
{
    DiaryFolder folder;
    DiarySession session(folder.Path().string(), ByteOrder);
    if (!session.Open("Journal", "password"))
        state.SkipWithError("open failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(session.TakeInChangedFile());
}

// A sync engine wrote the same bytes again: the time moved, so the bytes are read and hashed.
void ChangeCheckTouched(benchmark::State& state)
{
    DiaryFolder folder;
    DiarySession session(folder.Path().string(), ByteOrder);
    if (!session.Open("Journal", "password"))
        state.SkipWithError("open failed");
    const auto file = folder.Path() / "Journal.dry";
    auto time = std::filesystem::last_write_time(file);
    for (auto _ : state) {
        state.PauseTiming();
        time += std::chrono::seconds(1);
        std::filesystem::last_write_time(file, time);
        state.ResumeTiming();
        if (session.TakeInChangedFile())
            state.SkipWithError("taken for a change");
    }
}

// The copies differ in 100 days: 40 changed here only, 50 there only, 10 on both sides.
struct TwoCopies {
    LineList Base = TenYears();
    LineList Ours = TenYears();
    LineList Theirs = TenYears();

    TwoCopies()
    {
        for (size_t i = 0; i < 50; ++i) {
            Ours[i * 70] += " here";
            Theirs[i * 70 + 35] += " there";
        }
        for (size_t i = 0; i < 10; ++i)
            Theirs[i * 70] += " there";
    }
};

void MergeTenYearsThreeWays(benchmark::State& state)
{
    const TwoCopies copies;
    const OtherCopy other{1252, "Journal.dry", "2026-12-07 09:14"};
    for (auto _ : state)
        benchmark::DoNotOptimize(MergeThreeWay(copies.Base, copies.Ours, copies.Theirs, other));
}

void MergeTenYearsTwoWays(benchmark::State& state)
{
    const TwoCopies copies;
    const OtherCopy other{1252, "Journal.dry", "2026-12-07 09:14"};
    for (auto _ : state)
        benchmark::DoNotOptimize(MergeTwoWay(copies.Ours, copies.Theirs, other));
}

} // namespace

BENCHMARK(ChangeCheckUnchanged)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeCheckTouched)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeTenYearsThreeWays)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeTenYearsTwoWays)->Unit(benchmark::kMillisecond);
