// The body's RTF reader and writer, and the full-text search of the browse window.
#include "DiaryBodies.h"

#include "widgets/editor/RtfDocument.h"
#include "formats/rtf/RtfReader.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

using formats::diary::BodyText;
using formats::diary::DayContainsText;
using formats::diary::DiaryRecords;
using formats::rtf::PlainText;
using widgets::editor::DocumentToRtf;
using widgets::editor::RtfToDocument;

namespace {

// A 2 KB body read into a document and written back as RTF.
void BM_BodyRoundTrip2K(benchmark::State& state)
{
    bench::EnsureApplication();
    const std::string body = bench::MakeBody(1);
    QTextDocument document;
    for (auto _ : state) {
        RtfToDocument(body, document, 1252);
        benchmark::DoNotOptimize(DocumentToRtf(document, 1252));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
    state.counters["body_bytes"] = static_cast<double>(body.size());
}
BENCHMARK(BM_BodyRoundTrip2K)->Unit(benchmark::kMicrosecond);

// The same round trip for 3,650 different bodies: a ten-year diary.
void BM_BodyRoundTrip3650(benchmark::State& state)
{
    bench::EnsureApplication();
    std::vector<std::string> bodies;
    for (int i = 0; i < 3650; ++i)
        bodies.push_back(bench::MakeBody(i));
    QTextDocument document;
    for (auto _ : state)
        for (const std::string& body : bodies) {
            RtfToDocument(body, document, 1252);
            benchmark::DoNotOptimize(DocumentToRtf(document, 1252));
        }
}
BENCHMARK(BM_BodyRoundTrip3650)->Unit(benchmark::kMillisecond)->Iterations(2);

// Searching every body of a ten-year diary for a word it does not hold, with the plain-text
// extractor; the yardstick loads each body into a document, as the editor control would.
void BM_SearchTenYears(benchmark::State& state)
{
    bench::EnsureApplication();
    const DiaryRecords diary = bench::TenYearDiary();
    const BodyText extractor = [](std::string_view rtf) { return PlainText(rtf, 1252); };
    const BodyText viaEditor = [](std::string_view rtf) {
        QTextDocument document;
        RtfToDocument(rtf, document, 1252);
        return document.toPlainText().toStdString();
    };
    auto searchAll = [&](const BodyText& bodyText) {
        int found = 0;
        for (size_t i = 0; i < diary.Text.Count(); ++i) {
            const std::string& line = diary.Text[i];
            const int year = std::stoi(line.substr(0, 4));
            const int month = std::stoi(line.substr(4, 2));
            const int day = std::stoi(line.substr(6, 2));
            found += DayContainsText(diary.Text, "zebra", bodyText, year, month, day) ? 1 : 0;
        }
        return found;
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(searchAll(extractor));

    const double editor = bench::ThreadSeconds([&] { benchmark::DoNotOptimize(searchAll(viaEditor)); });
    const double fast = bench::ThreadSeconds([&] { benchmark::DoNotOptimize(searchAll(extractor)); });
    state.counters["editor_cpu_ms"] = editor * 1000;
    state.counters["editor/extractor"] = editor / fast;
}
BENCHMARK(BM_SearchTenYears)->Unit(benchmark::kMillisecond);

} // namespace
