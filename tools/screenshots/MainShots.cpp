// The main window: at its designed size in three skins with a few written days, maximised,
// and a day being written.
#include "Screenshots.h"

#include "windows/main/MainWindow.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/editor/TitleEdit.h"

#include <QApplication>

using model::session::DiarySession;
using platform::locale::CompareText;
using widgets::calendar::MainCalendar;
using widgets::controls::SpeedButton;
using widgets::editor::TitleEdit;
using windows::main::MainWindow;

namespace {

const char* const SampleBody =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue128;}\r\n"
    "\\pard\\f0\\fs20 Walked along the river before work. The \\b first\\b0  frost of the year, and the "
    "\\cf1 light\\cf0  on the water was unreal.\\par\r\n\\par\r\nLater: finished the chapter on bridges.\\par\r\n}\r\n";

QImage ShowMain(int skin, QSize size, const std::function<void(MainWindow&)>& prepare = {})
{
    screenshots::ShotServices services;
    DiarySession session((*services).ProgramFolder().string(), CompareText);
    MainWindow main(*services, session);
    session.Create("Sample", "secret");
    session.Diary.NewDiary = false;
    for (const char* record : {"202403020Market day@@", "202403097Concert@@", "202403141River walk@@"})
        session.Text().Add(std::string(record) + SampleBody);
    main.ShowSkin(skin);
    main.resize(size);
    main.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&main, &activate);
    main.findChild<MainCalendar*>("calendar")->SetCalendarDate({2024, 3, 14});
    if (prepare)
        prepare(main);
    QApplication::processEvents();
    return main.grab().toImage();
}

} // namespace

DAYBROOK_SCREENSHOT("main-skin0", [] { return ShowMain(0, QSize(742, 453)); });
DAYBROOK_SCREENSHOT("main-skin3", [] { return ShowMain(3, QSize(742, 453)); });
DAYBROOK_SCREENSHOT("main-skin7", [] { return ShowMain(7, QSize(742, 453)); });
DAYBROOK_SCREENSHOT("main-maximised", [] { return ShowMain(5, QSize(1280, 760)); });
DAYBROOK_SCREENSHOT("main-writing", [] {
    return ShowMain(1, QSize(742, 453), [](MainWindow& main) {
        main.findChild<MainCalendar*>("calendar")->SetCalendarDate({2024, 3, 15});
        main.findChild<SpeedButton*>("editButton")->Click();
        main.findChild<TitleEdit*>("titleEdit")->setText(QStringLiteral("A quiet Friday"));
    });
});
