// The browse window on a ten-year diary: building its rows, opening it (list made afresh,
// shown and painted), and one step of the full-content search that tests every row.
#include "DiaryBodies.h"

#include "browse/FBrowse.h"
#include "browse/list/BrowseList.h"
#include "editor/rtf/RtfReader.h"
#include "session/DiarySession.h"
#include "storage/ResStore.h"
#include "widgets/QtDialogs.h"
#include "widgets/Services.h"

#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

void BM_BuildBrowseRows(benchmark::State& state)
{
    const TDiary diary = bench::TenYearDiary();
    for (auto _ : state)
        benchmark::DoNotOptimize(browse::BuildBrowseRows(diary.DiaryText));
}
BENCHMARK(BM_BuildBrowseRows)->Unit(benchmark::kMillisecond);

// Execute as the main window calls it, until the window has been shown and painted once.
void BM_OpenBrowseWindow(benchmark::State& state)
{
    bench::EnsureApplication();
    QTemporaryDir folder;
    widgets::QtDialogs dialogs;
    widgets::TServices services(platform::TEnvironment{folder.path().toStdString(),
                                                       folder.path().toStdString() + "/registry.reg", 1252},
                                dialogs, QStringLiteral("The Daybrook"));
    TDiarySession session(folder.path().toStdString(), platform::CompareText);
    session.Diary.DiaryText.SetLines(bench::TenYearDiary().DiaryText.Lines());
    session.Diary.DiaryText.SetSorted(true);
    TRessourceStore store;
    LoadProgramRessources(store);
    TfrmDiaryBrowse browse(nullptr, services, session, store);
    for (auto _ : state) {
        QTimer::singleShot(0, &browse, [&] {
            browse.repaint();
            browse.reject();
        });
        benchmark::DoNotOptimize(browse.Execute(0));
    }
    state.counters["rows"] = static_cast<double>(session.DiaryText().Count());
}
BENCHMARK(BM_OpenBrowseWindow)->Unit(benchmark::kMillisecond);

// A search step with the full content searched for a word no entry holds: every row is
// tested, title and body.
void BM_FullContentSearchStep(benchmark::State& state)
{
    const TDiary diary = bench::TenYearDiary();
    const std::vector<browse::TBrowseRow> rows = browse::BuildBrowseRows(diary.DiaryText);
    const browse::TBrowseSearch search(diary.DiaryText, "zeppelin", "zeppelin", true,
                                       [](std::string_view rtf) { return rtf::PlainText(rtf, 1252); });
    for (auto _ : state)
        benchmark::DoNotOptimize(
            browse::FindNextRow(rows.size(), 17, [&](size_t row) { return search(rows[row]); }));
}
BENCHMARK(BM_FullContentSearchStep)->Unit(benchmark::kMillisecond);

} // namespace
