// The gallery of the look-and-feel widgets in their states: owner-drawn buttons, panels, the
// mini-HTML panel, clocks and the toolbar widgets over a skin-like background.
#include "Screenshots.h"

#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/GlowLabel.h"
#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/MarkupPanel.h"
#include "widgets/controls/ShadowLabel.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/SkinButton.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/controls/QtColors.h"
#include "widgets/controls/ResourceBitmaps.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

using model::look::Black;
using model::look::Gray;
using model::look::Maroon;
using model::look::RGBColor;
using model::look::White;
using widgets::controls::BevelCut;
using widgets::controls::ButtonColorStyle;
using widgets::controls::ButtonKind;
using widgets::controls::ButtonLayout;
using widgets::controls::ButtonStyle;
using widgets::controls::ClockShowMode;
using widgets::controls::ClockWidget;
using widgets::controls::GlowLabel;
using widgets::controls::HatchedPanel;
using widgets::controls::HatchMode;
using widgets::controls::HorizontalAlignment;
using widgets::controls::MarkupPanel;
using widgets::controls::PanelBorder;
using widgets::controls::ResourceBitmap;
using widgets::controls::SetFontColor;
using widgets::controls::ShadowLabel;
using widgets::controls::SkinButton;
using widgets::controls::SpeedButton;
using widgets::controls::ToolButton;

namespace {

QFont Arial(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Children made after their window was shown stay hidden until shown themselves.
void ShowWithWindow(QWidget& widget)
{
    widget.window()->show();
    for (auto* child : widget.window()->findChildren<QWidget*>())
        if (!child->isWindow())
            child->show();
}

QImage Shot(QWidget& window)
{
    ShowWithWindow(window);
    return screenshots::Grab(window);
}

void MakeHot(QWidget& widget)
{
    ShowWithWindow(widget);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(&widget, &enter);
}

void PressMouse(QWidget& widget)
{
    ShowWithWindow(widget);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
}

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int width = 110)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Arial(12, true));
    label->setGeometry(x, y, width, 23);
    return label;
}

// A dusk-blue picture like the skins' backgrounds: a soft vertical gradient with a glow.
QImage SkinLikePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x1D, 0x2B, 0x4A));
    sky.setColorAt(1, QColor(0x3A, 0x4E, 0x78));
    painter.fillRect(picture.rect(), sky);
    QRadialGradient glow(size.width() * 0.7, size.height() * 0.2, size.width() * 0.5);
    glow.setColorAt(0, QColor(0x8A, 0x6C, 0xA8, 90));
    glow.setColorAt(1, QColor(0x8A, 0x6C, 0xA8, 0));
    painter.fillRect(picture.rect(), glow);
    return picture;
}

// Speed buttons of one style in the four states a user sees.
void StyleRow(QWidget* parent, ButtonStyle style, const QString& name, int y)
{
    Caption(parent, name, 10, y);
    const QString states[] = {QStringLiteral("Normal"), QStringLiteral("Hot"), QStringLiteral("Down"),
                              QStringLiteral("Disabled")};
    for (int k = 0; k < 4; ++k) {
        auto* button = new SpeedButton(parent);
        button->setGeometry(120 + k * 112, y, 100, 26);
        button->SetColorStyle(ButtonColorStyle::Default);
        button->SetStyle(style);
        button->SetHotTrackColor(RGBColor(0xFF, 0xF4, 0xE8));
        button->SetColorWhenDown(RGBColor(0xFF, 0xFF, 0xC0));
        button->SetGlyph(ResourceBitmap(QStringLiteral("LBOK")));
        button->SetCaption(states[k]);
        if (style == ButtonStyle::Shape)
            button->SetLayout(ButtonLayout::GlyphTop);
        if (k == 1)
            MakeHot(*button);
        if (k == 2)
            button->SetDown(true);
        if (k == 3)
            button->setEnabled(false);
    }
}

QImage ButtonsGallery()
{
    QWidget window;
    window.resize(600, 470);
    window.setFont(Arial(12));
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(QColor(0xEC, 0xE9, 0xE2)));
    const std::pair<ButtonStyle, const char*> styles[] = {{ButtonStyle::Normal, "bsNormal"},
                                                          {ButtonStyle::BoldWhenDown, "bsEncarta"},
                                                          {ButtonStyle::Modern, "bsModern"},
                                                          {ButtonStyle::Old, "bsOld"},
                                                          {ButtonStyle::Shape, "bsShape"}};
    int y = 10;
    for (const auto& [style, name] : styles) {
        StyleRow(&window, style, QString::fromLatin1(name), y);
        y += style == ButtonStyle::Shape ? 48 : 34;
    }

    Caption(&window, QStringLiteral("Colour styles"), 10, y + 6);
    const std::pair<ButtonColorStyle, const char*> colorStyles[] = {
        {ButtonColorStyle::Gold, "Gold"},
        {ButtonColorStyle::Chrome, "Chrome"},
        {ButtonColorStyle::Blue, "Blue"},
        {ButtonColorStyle::Red, "Red"},
        {ButtonColorStyle::Aqua, "Aqua"},
        {ButtonColorStyle::UltraFlat1, "UltraFlat1"},
        {ButtonColorStyle::UltraFlat2, "UltraFlat2"},
        {ButtonColorStyle::UltraFlatXP, "UltraFlatXP"}};
    int k = 0;
    for (const auto& [colorStyle, name] : colorStyles) {
        auto* button = new SkinButton(&window);
        button->setGeometry(120 + (k % 4) * 118, y + (k / 4) * 32, 108, 26);
        button->SetColorStyle(colorStyle);
        button->SetCaption(QString::fromLatin1(name));
        if (k >= 5)
            MakeHot(*button); // the flat styles show their frame only while hot
        ++k;
    }
    y += 72;

    Caption(&window, QStringLiteral("Kinds"), 10, y + 2);
    for (int kind = 1; kind <= 10; ++kind) {
        auto* button = new SkinButton(&window);
        button->setGeometry(120 + ((kind - 1) % 4) * 118, y + ((kind - 1) / 4) * 30, 108, 26);
        button->SetColorStyle(ButtonColorStyle::Chrome);
        button->SetKind(static_cast<ButtonKind>(kind));
        button->SetAlignment(HorizontalAlignment::Center);
        if (kind == 4)
            button->setEnabled(false);
        if (kind == 2)
            PressMouse(*button);
    }
    y += 90;
    Caption(&window, QStringLiteral("Popup, shortened"), 10, y + 2, 120);
    auto* withMenu = new SpeedButton(&window);
    withMenu->setGeometry(120, y, 100, 26);
    withMenu->SetColorStyle(ButtonColorStyle::Default);
    withMenu->SetCaption(QStringLiteral("&Tools"));
    withMenu->SetPopupMenu(new QMenu(withMenu));
    auto* longCaption = new SkinButton(&window);
    longCaption->setGeometry(238, y, 100, 26);
    longCaption->SetCaption(QStringLiteral("A caption far too long for it"));
    longCaption->SetAlignment(HorizontalAlignment::Left);
    return Shot(window);
}

QImage Checkerboard()
{
    QImage tile(16, 16, QImage::Format_RGB32);
    QPainter painter(&tile);
    painter.fillRect(tile.rect(), QColor(0xE8, 0xE4, 0xD8));
    painter.fillRect(0, 0, 8, 8, QColor(0xD4, 0xCE, 0xBC));
    painter.fillRect(8, 8, 8, 8, QColor(0xD4, 0xCE, 0xBC));
    return tile;
}

QImage PanelsGallery()
{
    QWidget window;
    window.resize(560, 250);
    window.setFont(Arial(12));
    auto* back = new HatchedPanel(&window);
    back->setGeometry(0, 0, 560, 250);
    back->SetPicture(SkinLikePicture(QSize(560, 250)));
    back->SetMode(HatchMode::Stretched);
    back->SetPictureInsideBevel(true);

    auto* tiled = new HatchedPanel(back);
    tiled->setGeometry(10, 10, 30, 230);
    tiled->SetPicture(Checkerboard());
    tiled->SetBorder(PanelBorder::Bevels);
    tiled->SetPictureInsideBevel(true);

    auto* plain = new HatchedPanel(back);
    plain->setGeometry(50, 10, 150, 60);
    plain->SetBorder(PanelBorder::Bevels);
    plain->SetCaption(QStringLiteral("THatchPanel, no bitmap"));

    auto* original = new HatchedPanel(back);
    original->setGeometry(50, 80, 150, 60);
    original->SetColor(White);
    original->SetBorder(PanelBorder::Bevels);
    original->SetBevelOuter(BevelCut::Lowered);
    original->SetBevelWidth(2);

    auto* flat = new HatchedPanel(back);
    flat->setGeometry(50, 150, 150, 42);
    flat->SetColor(White);
    flat->SetBorder(PanelBorder::Flat);

    auto* transparent = new HatchedPanel(back);
    transparent->setGeometry(210, 10, 160, 90);
    transparent->SetTransparent(true);
    transparent->SetBorder(PanelBorder::Flat);
    transparent->SetBorderColor(White);
    auto* onTransparent = new QLabel(QStringLiteral("Transparent, flat border"), transparent);
    onTransparent->setGeometry(10, 30, 145, 20);
    SetFontColor(*onTransparent, Qt::white);

    auto* disabled = new HatchedPanel(back);
    disabled->setGeometry(210, 110, 160, 82);
    disabled->SetPicture(Checkerboard());
    disabled->SetBorder(PanelBorder::Bevels);
    disabled->SetControlEnabled(true);
    auto* edit = new QLineEdit(QStringLiteral("ControlEnabled"), disabled);
    edit->setGeometry(10, 10, 140, 24);
    auto* button = new SkinButton(disabled);
    button->setGeometry(10, 44, 100, 26);
    button->SetKind(ButtonKind::Ok);
    disabled->setEnabled(false);

    auto* stretched = new HatchedPanel(back);
    stretched->setGeometry(380, 10, 170, 182);
    stretched->SetPicture(Checkerboard());
    stretched->SetMode(HatchMode::Stretched);
    stretched->SetBorder(PanelBorder::Flat);
    stretched->SetBevelWidth(2);
    return Shot(window);
}

QImage HtmlPanelGallery()
{
    QWidget window;
    window.resize(420, 170);
    auto* panel = new MarkupPanel(&window);
    panel->setGeometry(0, 0, 420, 170);
    panel->SetColor(RGBColor(0xFF, 0xFB, 0xF0));
    panel->SetBorder(PanelBorder::Flat);
    panel->SetBorderColor(Gray);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    panel->setFont(font);
    panel->SetMarkupLines({
        QStringLiteral("<b>March 2026</b>: <font color=\"maroon\">3 birthdays</font>, "
                       "<font color=\"#1E6FD0\">1 anniversary</font>"),
        QStringLiteral("Runs in <i>italic</i>, <u>underlined</u>, <b><i>both</i></b> and "
                       "<font face=\"Courier New\" size=\"12\">another face</font> share one baseline;"),
        QStringLiteral("<font size=\"16\" color=\"teal\">Big</font> and <font size=\"7\">small</font> text "
                       "wraps at the last blank that fits the panel's width, as this long line shows."),
        QStringLiteral("Unknown <p>tags</p> are ignored; <font color=\"skyblue\">named</font> and "
                       "<font color=\"btnshadow\">system</font> colours work."),
    });
    return Shot(window);
}

ClockWidget* FixedClock(QWidget* parent, QRect geometry, QTime time, ClockShowMode mode)
{
    auto* clock = new ClockWidget(parent);
    clock->setGeometry(geometry);
    clock->SetShowMode(mode);
    clock->SetTimeSource([time] { return time; });
    return clock;
}

QImage ClocksGallery()
{
    QWidget window;
    window.resize(520, 150);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(QColor(0xEC, 0xE9, 0xE2)));
    // As on the main window: 63 by 70, white, no bevels.
    auto* small = FixedClock(&window, QRect(10, 10, 63, 70), QTime(3, 45, 30), ClockShowMode::Analog);
    small->SetColor(White);
    small->SetBevelInner(BevelCut::None);
    small->SetBevelOuter(BevelCut::None);
    auto* noSeconds = FixedClock(&window, QRect(10, 84, 63, 56), QTime(10, 10, 0), ClockShowMode::Analog);
    noSeconds->SetColor(White);
    noSeconds->SetShowSeconds(false);
    FixedClock(&window, QRect(84, 10, 130, 130), QTime(10, 10, 42), ClockShowMode::Analog);
    FixedClock(&window, QRect(226, 10, 140, 60), QTime(3, 45, 30), ClockShowMode::Digital);
    auto* twelve = FixedClock(&window, QRect(226, 80, 140, 60), QTime(22, 10, 0), ClockShowMode::Digital);
    twelve->SetTwelveHour(true);
    twelve->SetShowSeconds(false);
    twelve->SetLeadingZero(false);
    auto* wide = FixedClock(&window, QRect(378, 10, 132, 70), QTime(10, 10, 5), ClockShowMode::Analog);
    wide->SetDotsColor(Maroon);
    return Shot(window);
}

QImage ToolbarGallery()
{
    QWidget window;
    window.resize(750, 110);
    auto* strip = new HatchedPanel(&window);
    strip->setGeometry(0, 0, 750, 110);
    strip->SetPicture(SkinLikePicture(QSize(500, 60)));
    strip->SetMode(HatchMode::Stretched);

    auto* date = new ShadowLabel(strip);
    date->setGeometry(7, 20, 207, 25);
    date->setFont(Arial(16, true));
    date->SetCaption(QStringLiteral("Sunday, 6 December 2026"));
    SetFontColor(*date, QColor(253, 255, 230));

    const struct {
        const char* Caption;
        const char* Glyph;
        int X;
        int Width;
    } buttons[] = {{"Edit", "TBEDIT", 233, 54},
                   {"Delete", "TBDELETE", 288, 54},
                   {"Birthdays", "TBBIRTHDAY", 504, 66},
                   {"Tools", "TBTOOLS", 571, 52},
                   {"Exit", "TBEXIT", 677, 52}};
    int k = 0;
    for (const auto& b : buttons) {
        auto* button = new ToolButton(strip);
        button->setGeometry(b.X, 6, b.Width, 46);
        button->SetCaption(QString::fromLatin1(b.Caption));
        button->SetGlyph(ResourceBitmap(QString::fromLatin1(b.Glyph)));
        if (k == 1)
            MakeHot(*button);
        if (k == 2) {
            MakeHot(*button);
            PressMouse(*button);
        }
        if (k == 3)
            button->setEnabled(false);
        ++k;
    }
    auto* browse = new ToolButton(strip);
    browse->setGeometry(343, 29, 54, 23);
    browse->SetLayout(ButtonLayout::GlyphLeft);
    browse->SetCaption(QStringLiteral("Browse"));
    browse->SetGlyph(ResourceBitmap(QStringLiteral("TBBROWSE")));

    auto* link = new GlowLabel(strip);
    link->setGeometry(10, 80, 160, 20);
    link->setFont(Arial(12, true));
    link->SetTransparent(true);
    link->SetCaption(QStringLiteral("daybrook.example"));
    link->SetGlowColor(Black);
    SetFontColor(*link, QColor(0xF2, 0xC1, 0x4E));
    MakeHot(*link);
    auto* glowAlways = new GlowLabel(strip);
    glowAlways->setGeometry(190, 80, 200, 20);
    glowAlways->setFont(Arial(12));
    glowAlways->SetTransparent(true);
    glowAlways->SetGlowAlways(true);
    glowAlways->SetGlowColor(RGBColor(0x20, 0x20, 0x40));
    glowAlways->SetCaption(QStringLiteral("Glow label, GlowAlways"));
    SetFontColor(*glowAlways, Qt::white);
    return Shot(window);
}

DAYBROOK_SCREENSHOT("widgets-lbbuttons", ButtonsGallery);
DAYBROOK_SCREENSHOT("widgets-panels", PanelsGallery);
DAYBROOK_SCREENSHOT("widgets-htmlpanel", HtmlPanelGallery);
DAYBROOK_SCREENSHOT("widgets-clocks", ClocksGallery);
DAYBROOK_SCREENSHOT("widgets-toolbar", ToolbarGallery);

} // namespace
