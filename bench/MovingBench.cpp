// Moving in and out: the ten-year diary exported to HTML and Markdown (with the longest stretch
// between two progress calls, when the window gets to repaint), and 10,000 jrnl entries read
// and brought into an empty diary.
#include "DiaryBodies.h"

#include "formats/exports/HtmlExport.h"
#include "formats/exports/MarkdownExport.h"
#include "formats/imports/JournalSources.h"
#include "model/imports/DiaryImport.h"
#include "platform/locale/Collation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

using base::text::LineList;
using formats::diary::DiaryRecords;
using formats::exports::ExportHtml;
using formats::exports::ExportMarkdown;
using formats::exports::ExportProgress;
using formats::imports::ReadJrnl;
using model::imports::ApplyImport;

namespace {

// Runs the export, noting the longest gap between progress calls in the counter.
template <typename F>
void ExportTenYears(benchmark::State& state, F&& exportDiary)
{
    bench::EnsureApplication();
    const LineList records = bench::TenYearDiary().Text.Lines();
    using Clock = std::chrono::steady_clock;
    double longestGapMs = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        const auto tick = [&](size_t, size_t) {
            const Clock::time_point now = Clock::now();
            longestGapMs = std::max(longestGapMs, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
        };
        bytes = exportDiary(records, ExportProgress(tick)).size();
        tick(0, 0);
    }
    state.counters["longest_gap_ms"] = longestGapMs;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_ExportTenYearsHtml(benchmark::State& state)
{
    ExportTenYears(state, [](const LineList& records, const ExportProgress& progress) {
        return ExportHtml(records, {1252, "Ten years"}, progress);
    });
}

void BM_ExportTenYearsMarkdown(benchmark::State& state)
{
    ExportTenYears(state, [](const LineList& records, const ExportProgress& progress) {
        return ExportMarkdown(records, {1252, "Ten years"}, progress);
    });
}

// About 600 bytes of plain words, different for each entry.
std::string PlainBody(int entry)
{
    static const char* const words[] = {"morning", "walked", "river", "coffee", "letter", "garden", "quiet",
                                        "friends", "rain",    "train",  "book",  "evening", "laughed", "tired"};
    std::string body;
    unsigned state = static_cast<unsigned>(entry) * 2654435761u + 17;
    while (body.size() < 600) {
        state = state * 1103515245u + 12345u;
        body += words[(state >> 16) % 14];
        body += (state >> 8) % 9 == 0 ? ". " : " ";
    }
    return body;
}

// A jrnl export of 10,000 entries over ten years, several on some days.
std::string JrnlExport()
{
    std::string json = R"({"tags": {}, "entries": [)";
    for (int i = 0; i < 10000; ++i) {
        const int day = i * 3650 / 10000;
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", 2015 + day / 365, day % 365 / 31 % 12 + 1, day % 28 + 1);
        json += std::string(i == 0 ? "" : ",") + R"({"date": ")" + date + R"(", "time": "0)" + std::to_string(i % 10) +
                R"(:00", "title": "Entry )" + std::to_string(i) + R"(", "body": ")" + PlainBody(i) +
                R"(\nSecond line.", "tags": ["@t)" + std::to_string(i % 7) + R"("], "starred": false})";
    }
    return json + "]}";
}

void BM_ImportJrnl10000(benchmark::State& state)
{
    const std::string json = JrnlExport();
    size_t days = 0;
    for (auto _ : state) {
        const auto entries = ReadJrnl(json, "jrnl.json");
        if (!entries)
            state.SkipWithError(entries.Message().c_str());
        DiaryRecords diary(platform::locale::CompareText);
        days = ApplyImport(diary, *entries, {1252, {}, "jrnl.json"});
    }
    state.counters["days"] = static_cast<double>(days);
    state.counters["json_MB"] = static_cast<double>(json.size()) / 1e6;
}

BENCHMARK(BM_ExportTenYearsHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportTenYearsMarkdown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportJrnl10000)->Unit(benchmark::kMillisecond);

} // namespace
