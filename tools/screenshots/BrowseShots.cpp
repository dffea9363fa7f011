// The browse window over a diary of a few weeks: the list newest first with its mood pictures,
// a search text typed and the match it found selected.
#include "Screenshots.h"

#include "browse/FBrowse.h"
#include "platform/Collation.h"
#include "session/DiarySession.h"
#include "storage/ResStore.h"
#include "widgets/KvCoolEdit.h"

#include <QTimer>

namespace {

TLines SampleDiary()
{
    static const char* const titles[] = {"Spring walk by the river",
                                         "",
                                         "Letter from Anna",
                                         "Rainy Sunday",
                                         "Garden, first tomatoes",
                                         "Train to the coast",
                                         "Quiet evening",
                                         "Friends for dinner",
                                         "Back to work",
                                         "A long day"};
    TLines lines;
    for (int i = 0; i < 24; ++i)
        lines.push_back(DayRecord(2024, 4, 1 + i, (i * 7) % 10, titles[i % 10],
                                  "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 A day.\\par}"));
    return lines;
}

QImage BrowseWindow(const QString& needle)
{
    screenshots::ShotServices services;
    TDiarySession session(services.Folder(), platform::CompareText);
    session.DiaryText().SetLines(SampleDiary());
    session.DiaryText().SetSorted(true);
    TRessourceStore store;
    LoadProgramRessources(store);
    TfrmDiaryBrowse browse(nullptr, *services, session, store);
    QImage shot;
    QTimer::singleShot(0, &browse, [&] {
        if (!needle.isEmpty()) {
            browse.edtNeedle->setText(needle);
            browse.btnSearchClick();
        }
        shot = browse.grab().toImage();
        browse.reject();
    });
    browse.Execute(0);
    return shot;
}

} // namespace

DAYBROOK_SCREENSHOT("browse-window", [] { return BrowseWindow(QString()); });
DAYBROOK_SCREENSHOT("browse-window-search", [] { return BrowseWindow(QStringLiteral("walk")); });
