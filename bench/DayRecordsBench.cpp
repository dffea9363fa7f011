// Storing and loading days in a ten-year diary, and sorting its records.
#include "DiaryBodies.h"

#include "widgets/editor/RichTextEdit.h"
#include "formats/resources/PackedResources.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

using base::text::LineList;
using formats::diary::DiaryRecords;
using formats::diary::DiaryText;
using formats::diary::LoadDay;
using formats::diary::StoreDay;
using formats::resources::PackedResources;
using platform::locale::CompareText;
using widgets::editor::RichTextEdit;
using widgets::editor::RichTextToString;
using widgets::editor::StringToRichText;

namespace {

// Replacing a record in the middle of ten years (RTF text given).
void BM_StoreDay(benchmark::State& state)
{
    DiaryRecords diary = bench::TenYearDiary();
    const std::string body = bench::MakeBody(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(StoreDay(diary, 15, 6, 2015, body, "A title", 3).Ok());
}
BENCHMARK(BM_StoreDay)->Unit(benchmark::kMicrosecond);

void BM_LoadDay(benchmark::State& state)
{
    DiaryRecords diary = bench::TenYearDiary();
    PackedResources store;
    std::string body, title;
    int mood = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadDay(diary, store, 15, 6, 2015, body, title, mood));
}
BENCHMARK(BM_LoadDay)->Unit(benchmark::kMicrosecond);

// What the day flow does: the body control's content to RTF and into the record, and back.
void BM_StoreDayFromEditor(benchmark::State& state)
{
    bench::EnsureApplication();
    DiaryRecords diary = bench::TenYearDiary();
    RichTextEdit edit;
    edit.LoadRtf(bench::MakeBody(7));
    for (auto _ : state)
        benchmark::DoNotOptimize(StoreDay(diary, 15, 6, 2015, RichTextToString(edit), "A title", 3).Ok());
}
BENCHMARK(BM_StoreDayFromEditor)->Unit(benchmark::kMicrosecond);

void BM_LoadDayIntoEditor(benchmark::State& state)
{
    bench::EnsureApplication();
    DiaryRecords diary = bench::TenYearDiary();
    PackedResources store;
    RichTextEdit edit;
    std::string body, title;
    int mood = 0;
    for (auto _ : state) {
        LoadDay(diary, store, 15, 6, 2015, body, title, mood);
        StringToRichText(body, edit);
    }
}
BENCHMARK(BM_LoadDayIntoEditor)->Unit(benchmark::kMicrosecond);

// Sorting ten years of records in file order, against sorting with the locale comparison
// alone (the yardstick: no date-key shortcut).
void BM_SortTenYears(benchmark::State& state)
{
    LineList lines = bench::TenYearDiary().Text.Lines();
    std::shuffle(lines.begin(), lines.end(), std::mt19937(3));
    for (auto _ : state) {
        DiaryText text(CompareText);
        text.SetLines(lines);
        text.SetSorted(true);
        benchmark::DoNotOptimize(text.Count());
    }
    LineList plain = lines;
    const double collation = bench::ThreadSeconds([&] {
        std::stable_sort(plain.begin(), plain.end(),
                         [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    });
    state.counters["collation_only_cpu_ms"] = collation * 1000;
}
BENCHMARK(BM_SortTenYears)->Unit(benchmark::kMillisecond);

} // namespace
