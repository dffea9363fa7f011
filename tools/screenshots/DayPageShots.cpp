// The day's page: a day holding pictures, with "On this day" listing nine earlier years (six
// lines and "and 3 more"), in three skins; and the browse window searching as the user types.
#include "Screenshots.h"

#include "windows/browse/BrowseWindow.h"
#include "windows/main/MainWindow.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/PictureImages.h"
#include "formats/resources/PackedResources.h"
#include "formats/rtf/PictureGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QLinearGradient>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using formats::rtf::WritePictureGroup;
using model::session::DiarySession;
using platform::locale::CompareText;
using widgets::calendar::MainCalendar;
using widgets::editor::PictureOfImage;
using windows::browse::BrowseWindow;
using windows::main::MainWindow;

namespace {

// A small drawn landscape: sky, sun and hills.
QImage Landscape(int width, int height, const QColor& sky)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, sky);
    gradient.setColorAt(1, sky.lighter(170));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(QColor(255, 210, 80));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width * 0.7, height * 0.35), height * 0.14, height * 0.14);
    painter.setBrush(QColor(60, 120, 60));
    painter.drawEllipse(QRectF(-width * 0.2, height * 0.6, width * 0.9, height * 0.8));
    painter.setBrush(QColor(40, 95, 50));
    painter.drawEllipse(QRectF(width * 0.35, height * 0.68, width, height * 0.7));
    return image;
}

std::string PicturedBody()
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n\\pard\\f0\\fs20 Up the hill at dawn, then along the "
           "river.\\par\r\n" +
           WritePictureGroup(PictureOfImage(Landscape(180, 110, QColor(70, 120, 200)))) + " " +
           WritePictureGroup(PictureOfImage(Landscape(180, 110, QColor(200, 110, 80)))) +
           "\\par\r\nThe same light as last year.\\par\r\n}\r\n";
}

void WriteDays(DiarySession& session)
{
    static const char* const titles[] = {"River walk", "Snow on the hills", "First day at work", "Moved house",
                                         "", "Concert", "Long letter to Ana", "Rain all day", "Garden"};
    for (int i = 0; i < 9; ++i)
        session.Text().Add(std::to_string(2023 - i) + "0314" + std::to_string(i % 10) + titles[i] + "@@{\\rtf1 x}");
    session.Text().Add("202403141The day's pictures@@" + PicturedBody());
}

QImage ShowPicturedDay(int skin)
{
    screenshots::ShotServices services;
    DiarySession session((*services).ProgramFolder().string(), CompareText);
    MainWindow main(*services, session);
    session.Create("Sample", "secret");
    session.Diary.NewDiary = false;
    WriteDays(session);
    main.ShowSkin(skin);
    main.resize(742, 453);
    main.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&main, &activate);
    main.findChild<MainCalendar*>("calendar")->SetCalendarDate({2024, 3, 14});
    QApplication::processEvents();
    return main.grab().toImage();
}

QImage BrowseWhileTyping()
{
    screenshots::ShotServices services;
    DiarySession session((*services).ProgramFolder().string(), CompareText);
    session.Create("Sample", "secret");
    WriteDays(session);
    PackedResources store;
    LoadProgramRessources(store);
    BrowseWindow browse(nullptr, *services, session, store);
    QImage shot;
    QTimer::singleShot(0, &browse, [&] {
        browse.findChild<QCheckBox*>("fullContentCheck")->setChecked(true);
        auto* edit = browse.findChild<QLineEdit*>("searchEdit");
        edit->setText(QStringLiteral("hill"));
        emit edit->textEdited(edit->text());
        QApplication::processEvents();
        shot = browse.grab().toImage();
        browse.reject();
    });
    browse.Execute(2);
    return shot;
}

} // namespace

DAYBROOK_SCREENSHOT("day-pictures-skin0", [] { return ShowPicturedDay(0); });
DAYBROOK_SCREENSHOT("day-pictures-skin4", [] { return ShowPicturedDay(4); });
DAYBROOK_SCREENSHOT("day-pictures-skin8", [] { return ShowPicturedDay(8); });
DAYBROOK_SCREENSHOT("browse-typing", BrowseWhileTyping);
