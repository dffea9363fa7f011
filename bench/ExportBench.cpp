// Export of a ten-year diary to one RTF document, and how long the program goes without a
// chance to repaint while it runs (the longest gap between two progress calls, the document's
// assembly after the last one included). The yardstick converts every body through a text
// document and back, the way a rich-text control would carry it.
#include "DiaryBodies.h"

#include "widgets/editor/RtfDocument.h"
#include "formats/rtfexport/DiaryExport.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

using base::text::LineList;
using formats::diary::ParseDayRecord;
using formats::rtf::CharFormat;
using formats::rtfexport::ExportDiary;
using formats::rtfexport::ExportOptions;
using widgets::editor::DocumentToRtf;
using widgets::editor::RtfToDocument;

namespace {

void BM_ExportTenYears(benchmark::State& state)
{
    bench::EnsureApplication();
    const LineList records = bench::TenYearDiary().Text.Lines();
    ExportOptions options;
    options.BodyFont = CharFormat{"Arial", 20};
    options.ShortDate = [](int year, int month, int day) {
        return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
    };
    using TodayClock = std::chrono::steady_clock;
    double longestGapMs = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        TodayClock::time_point last = TodayClock::now();
        const auto tick = [&] {
            const TodayClock::time_point now = TodayClock::now();
            longestGapMs =
                std::max(longestGapMs, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
        };
        const std::string document = ExportDiary(records, options, [&](size_t, size_t) { tick(); });
        tick();
        bytes = document.size();
    }
    std::vector<std::string> bodies;
    for (const auto& record : records)
        bodies.push_back(ParseDayRecord(record).Body());
    state.counters["through_documents_cpu_ms"] =
        1000 * bench::ThreadSeconds([&] {
            QTextDocument document;
            for (const auto& body : bodies) {
                RtfToDocument(body, document, 1252);
                benchmark::DoNotOptimize(DocumentToRtf(document, 1252));
            }
        });
    state.counters["longest_gap_ms"] = longestGapMs;
    state.counters["document_mb"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ExportTenYears)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
