// The browse window on a ten-year diary: building its rows, opening it (list made afresh,
// shown and painted), and one step of the full-content search that tests every row.
#include "DiaryBodies.h"

#include "windows/browse/BrowseWindow.h"
#include "model/browse/BrowseList.h"
#include "formats/rtf/RtfReader.h"
#include "model/session/DiarySession.h"
#include "formats/resources/PackedResources.h"
#include "widgets/dialogs/QtDialogs.h"
#include "widgets/services/Services.h"

#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using formats::diary::DiaryRecords;
using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using formats::rtf::PlainText;
using model::browse::BrowseRow;
using model::browse::BrowseSearch;
using model::browse::BuildBrowseRows;
using model::browse::FindNextRow;
using model::session::DiarySession;
using platform::environment::Environment;
using platform::locale::CompareText;
using widgets::dialogs::QtDialogs;
using widgets::services::Services;
using windows::browse::BrowseWindow;

namespace {

void BM_BuildBrowseRows(benchmark::State& state)
{
    const DiaryRecords diary = bench::TenYearDiary();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildBrowseRows(diary.Text));
}
BENCHMARK(BM_BuildBrowseRows)->Unit(benchmark::kMillisecond);

// Execute as the main window calls it, until the window has been shown and painted once.
void BM_OpenBrowseWindow(benchmark::State& state)
{
    bench::EnsureApplication();
    QTemporaryDir folder;
    QtDialogs dialogs;
    Services services(
        Environment{folder.path().toStdString(), folder.path().toStdString() + "/registry.reg", 1252},
        dialogs, QStringLiteral("The Daybrook"));
    DiarySession session(folder.path().toStdString(), CompareText);
    session.Diary.Text.SetLines(bench::TenYearDiary().Text.Lines());
    session.Diary.Text.SetSorted(true);
    PackedResources store;
    LoadProgramRessources(store);
    BrowseWindow browse(nullptr, services, session, store);
    for (auto _ : state) {
        QTimer::singleShot(0, &browse, [&] {
            browse.repaint();
            browse.reject();
        });
        benchmark::DoNotOptimize(browse.Execute(0));
    }
    state.counters["rows"] = static_cast<double>(session.Text().Count());
}
BENCHMARK(BM_OpenBrowseWindow)->Unit(benchmark::kMillisecond);

// A search step with the full content searched for a word no entry holds: every row is
// tested, title and body.
void BM_FullContentSearchStep(benchmark::State& state)
{
    const DiaryRecords diary = bench::TenYearDiary();
    const std::vector<BrowseRow> rows = BuildBrowseRows(diary.Text);
    const BrowseSearch search(diary.Text, "zeppelin", "zeppelin", true,
                              [](std::string_view rtf) { return PlainText(rtf, 1252); });
    for (auto _ : state)
        benchmark::DoNotOptimize(FindNextRow(rows.size(), 17, [&](size_t row) { return search(rows[row]); }));
}
BENCHMARK(BM_FullContentSearchStep)->Unit(benchmark::kMillisecond);

} // namespace
