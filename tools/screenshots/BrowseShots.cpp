// The browse window over a diary of a few weeks: the list newest first with its mood pictures,
// a search text typed and the match it found selected.
#include "Screenshots.h"

#include "formats/resources/PackedResources.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "windows/browse/BrowseWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

using base::text::LineList;
using formats::diary::DayRecord;
using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using model::session::DiarySession;
using platform::locale::CompareText;
using windows::browse::BrowseWindow;

namespace {

LineList SampleDiary()
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
    LineList lines;
    for (int i = 0; i < 24; ++i)
        lines.push_back(DayRecord(2024, 4, 1 + i, (i * 7) % 10, titles[i % 10],
                                  "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 A day.\\par}"));
    return lines;
}

QImage RenderBrowseWindow(const QString& needle)
{
    screenshots::ShotServices services;
    DiarySession session(services.Folder(), CompareText);
    session.Text().SetLines(SampleDiary());
    session.Text().SetSorted(true);
    PackedResources store;
    LoadProgramRessources(store);
    BrowseWindow browse(nullptr, *services, session, store);
    QImage shot;
    QTimer::singleShot(0, &browse, [&] {
        if (!needle.isEmpty()) {
            auto* search = browse.findChild<QLineEdit*>(QStringLiteral("searchEdit"));
            search->setText(needle);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(search, &enter);
        }
        shot = browse.grab().toImage();
        browse.reject();
    });
    browse.Execute(0);
    return shot;
}

} // namespace

DAYBROOK_SCREENSHOT("browse-window", [] { return RenderBrowseWindow(QString()); });
DAYBROOK_SCREENSHOT("browse-window-search", [] { return RenderBrowseWindow(QStringLiteral("walk")); });
