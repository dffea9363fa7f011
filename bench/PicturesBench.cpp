// The day's page: a day with four pictures of 300 KB shown in the body, a diary holding 100 of
// them opened sealed, "On this day" on a day change, and the browse window's search as the user
// types (the plain-text cache made when the window opens, and one keystroke over it).
#include "BenchSupport.h"
#include "DiaryBodies.h"

#include "widgets/editor/PictureImages.h"
#include "widgets/editor/RichTextEdit.h"
#include "model/browse/SearchCache.h"
#include "model/onthisday/EarlierEntries.h"
#include "formats/diary/DiaryFormat.h"
#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/RtfReader.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

using base::dates::Date;
using formats::diary::DayRecord;
using formats::diary::DiaryRecords;
using formats::diary::LoadDiaryFile;
using formats::diary::SaveDiaryFile;
using formats::diary::SealedLock;
using formats::rtf::Picture;
using formats::rtf::PictureKind;
using formats::rtf::PlainText;
using formats::rtf::WritePictureGroup;
using model::browse::BuildBrowseRows;
using model::browse::SearchCache;
using model::onthisday::FindEarlierEntries;
using widgets::editor::PictureOfImage;
using widgets::editor::RichTextEdit;

namespace {

// A photograph-like picture whose JPEG is about 300 KB, a different one for each seed.
Picture PhotoPicture(unsigned seed)
{
    bench::EnsureApplication();
    QImage image(1200, 900, QImage::Format_RGB32);
    std::mt19937 random(seed);
    const int tint = static_cast<int>(seed * 37 % 200);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x / 5 + static_cast<int>(random() % 48)) & 255, (y / 4 + tint) & 255,
                                      static_cast<int>(random() % 96)));
    return PictureOfImage(image);
}

// A body with pictures of the seeds first, first + 1, ...
std::string BodyWithPictures(int pictures, unsigned first)
{
    std::string body = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                       "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (int i = 0; i < pictures; ++i)
        body += "A picture of the day\\par\r\n" + WritePictureGroup(PhotoPicture(first + static_cast<unsigned>(i))) +
                "\\par\r\n";
    return body + "}\r\n";
}

// Loading the day into the body and painting it, as the main window shows a day; the body is
// tall enough for all four pictures to be decoded and drawn.
void BM_ShowDayWithFourPictures(benchmark::State& state)
{
    bench::EnsureApplication();
    const std::string body = BodyWithPictures(4, 0);
    RichTextEdit edit;
    edit.resize(500, 1800);
    edit.show();
    for (auto _ : state) {
        edit.LoadRtf(body);
        edit.viewport()->repaint();
    }
    state.counters["picture_kB"] = static_cast<double>(PhotoPicture(0).Data.size()) / 1024;
    state.counters["body_MB"] = static_cast<double>(body.size()) / (1024 * 1024);
}
BENCHMARK(BM_ShowDayWithFourPictures)->Unit(benchmark::kMillisecond);

// A sealed diary of 25 days with four such pictures each (100 different pictures) and a ten-year
// diary's other days, opened with the password (the key derivation included).
void BM_OpenSealedDiaryWith100Pictures(benchmark::State& state)
{
    std::vector<std::string> records = bench::DiaryRecords(3650, 1500);
    for (int day = 1; day <= 25; ++day)
        records[static_cast<size_t>(day) * 100] =
            DayRecord(2016, 1, day, 3, "Photographs", BodyWithPictures(4, static_cast<unsigned>(day) * 4));
    const auto file =
        std::filesystem::temp_directory_path() / ("daybrook-bench-" + std::to_string(::getpid()) + "-pictures.dry");
    if (!SaveDiaryFile(file, records, SealedLock("password"))) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state)
        if (!LoadDiaryFile(file, "password"))
            state.SkipWithError("load failed");
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / (1024 * 1024);
    std::filesystem::remove(file);
}
BENCHMARK(BM_OpenSealedDiaryWith100Pictures)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OnThisDay(benchmark::State& state)
{
    const DiaryRecords diary = bench::TenYearDiary();
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindEarlierEntries(diary.Text, Date{2021, 1 + day % 12, 1 + day % 28}));
        ++day;
    }
}
BENCHMARK(BM_OnThisDay)->Unit(benchmark::kMicrosecond);

void BM_SearchCacheBuild(benchmark::State& state)
{
    const DiaryRecords diary = bench::TenYearDiary();
    const auto rows = BuildBrowseRows(diary.Text);
    size_t plainBytes = 0;
    size_t cachedBytes = 0;
    for (auto _ : state) {
        const SearchCache cache(diary.Text, rows, [](std::string_view rtf) { return PlainText(rtf, 1252); });
        cachedBytes = 0;
        for (size_t row = 0; row < cache.Rows(); ++row)
            cachedBytes += cache.Body(row).size() + cache.UpperTitle(row).size();
    }
    for (const auto& row : rows)
        plainBytes += PlainText(formats::diary::ParseDayRecord(diary.Text[row.Record]).Body(), 1252).size() +
                      row.Title.size();
    state.counters["cache_MB"] = static_cast<double>(cachedBytes) / (1024 * 1024);
    state.counters["plain_MB"] = static_cast<double>(plainBytes) / (1024 * 1024);
}
BENCHMARK(BM_SearchCacheBuild)->Unit(benchmark::kMillisecond);

// A keystroke with the full content searched for a word no entry holds, so that every row is
// tested: one whose first letter is rare in the text (0) and one whose first letter is frequent (1).
void BM_TypedSearchKeystroke(benchmark::State& state)
{
    const DiaryRecords diary = bench::TenYearDiary();
    const SearchCache cache(diary.Text, BuildBrowseRows(diary.Text),
                            [](std::string_view rtf) { return PlainText(rtf, 1252); });
    const std::string needle = state.range(0) == 0 ? "zeppelin" : "riverside";
    const std::string upper = state.range(0) == 0 ? "ZEPPELIN" : "RIVERSIDE";
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.Find(needle, upper, true, 17));
}
BENCHMARK(BM_TypedSearchKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
