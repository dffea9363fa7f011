// Draws the button glyphs into PNG files: the kind glyphs LBOK ... LBALL (a normal and a
// disabled cell side by side), the popup-menu arrow LBARROW, the main window's toolbar glyphs
// (light line art for dark skins), its small navigation marks and size grip, and the dark mood
// and formatting glyphs of the light column beside the editor.
// Every picture has a transparent bottom-left pixel, the colour the buttons treat as clear.
// Usage: <program> <output folder> <glyph name>... (every name it draws, no other)
#include "common/LineArt.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int CellSize = 18;

using art::Draw;
using art::Drawing;
using art::Stroke;


// A disc with a darker rim and a soft highlight, the ground of most kind glyphs.
void Badge(QPainter& p, const QColor& color)
{
    QRadialGradient fill(QPointF(7, 6), 10);
    fill.setColorAt(0, color.lighter(150));
    fill.setColorAt(1, color);
    p.setPen(Stroke(color.darker(150), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    p.setBrush(Qt::NoBrush);
}

void Check(QPainter& p, const QColor& color, QPointF at, double scale)
{
    QPainterPath path;
    path.moveTo(at + QPointF(0, 4) * scale);
    path.lineTo(at + QPointF(3, 7) * scale);
    path.lineTo(at + QPointF(9, 0) * scale);
    p.setPen(Stroke(color.darker(160), 3.2 * scale));
    p.drawPath(path);
    p.setPen(Stroke(color, 2.0 * scale));
    p.drawPath(path);
}

void Cross(QPainter& p, const QColor& color, double inset, double width)
{
    p.setPen(Stroke(color, width));
    p.drawLine(QPointF(inset, inset), QPointF(CellSize - inset, CellSize - inset));
    p.drawLine(QPointF(CellSize - inset, inset), QPointF(inset, CellSize - inset));
}

void QuestionMark(QPainter& p)
{
    QPainterPath hook;
    hook.moveTo(6.2, 7);
    hook.arcTo(QRectF(6.2, 4, 5.6, 5.2), 180, -240);
    hook.lineTo(9, 10.6);
    p.setPen(Stroke(Qt::white, 2));
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9, 13.6), 1.2, 1.2);
}

void RetryArrow(QPainter& p)
{
    const QColor blue(0x1E, 0x6F, 0xD0);
    p.setPen(Stroke(blue, 2.2));
    p.drawArc(QRectF(3, 3, 12, 12), 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(7.2, 0.8);
    head.lineTo(11.2, 3.4);
    head.lineTo(7.0, 6.4);
    head.closeSubpath();
    p.setPen(Stroke(blue, 1));
    p.setBrush(blue);
    p.drawPath(head);
}

void IgnoreHop(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9A, 0x9A, 0x9A));
    p.drawRoundedRect(QRectF(7, 10, 4, 6), 1, 1);
    const QColor green(0x2E, 0x8B, 0x3A);
    QPainterPath hop;
    hop.moveTo(2, 14);
    hop.cubicTo(3, 3, 14, 3, 15, 12);
    p.setPen(Stroke(green, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hop);
    QPainterPath head;
    head.moveTo(12.2, 11.2);
    head.lineTo(15.3, 15.6);
    head.lineTo(17.4, 10.4);
    head.closeSubpath();
    p.setPen(Stroke(green, 1));
    p.setBrush(green);
    p.drawPath(head);
}

void Door(QPainter& p)
{
    p.setPen(Stroke(QColor(0x6B, 0x45, 0x20), 1));
    p.setBrush(QColor(0xB8, 0x7A, 0x3D));
    p.drawRect(QRectF(3.5, 1.5, 8, 15));
    p.setBrush(QColor(0xF0, 0xD0, 0x40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(9.5, 9.5), 0.9, 0.9);
    const QColor red(0xC8, 0x2A, 0x20);
    p.setPen(Stroke(red, 2));
    p.drawLine(QPointF(10, 9), QPointF(15.5, 9));
    p.setPen(Stroke(red, 1.6));
    p.drawLine(QPointF(13, 6.2), QPointF(16, 9));
    p.drawLine(QPointF(13, 11.8), QPointF(16, 9));
}

void StopSign(QPainter& p)
{
    QPolygonF octagon;
    for (int k = 0; k < 8; ++k) {
        const double angle = (22.5 + 45 * k) * M_PI / 180;
        octagon << QPointF(9 + 7.8 * std::cos(angle), 9 + 7.8 * std::sin(angle));
    }
    p.setPen(Stroke(QColor(0x8A, 0x10, 0x10), 1));
    p.setBrush(QColor(0xD8, 0x2A, 0x22));
    p.drawPolygon(octagon);
    p.setPen(Stroke(Qt::white, 2.4));
    p.drawLine(QPointF(5.5, 9), QPointF(12.5, 9));
}

// The shape in light grays, its inner detail kept.
QImage Grayed(const QImage& image)
{
    QImage gray = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < gray.height(); ++y)
        for (int x = 0; x < gray.width(); ++x) {
            const QRgb p = gray.pixel(x, y);
            const int level = 110 + qGray(p) * 100 / 255;
            gray.setPixel(x, y, qRgba(level, level, level, qAlpha(p)));
        }
    return gray;
}

// The normal cell beside a disabled one: the shape grayed, with a white emboss below right.
QImage TwoCells(const Drawing& draw)
{
    const QImage normal = Draw(CellSize, CellSize, draw);
    QImage emboss = normal;
    {
        QPainter p(&emboss);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(emboss.rect(), QColor(255, 255, 255, 170));
    }
    return Draw(2 * CellSize, CellSize, [&](QPainter& p) {
        p.drawImage(0, 0, normal);
        p.drawImage(CellSize + 1, 1, emboss);
        p.drawImage(CellSize, 0, Grayed(normal));
    });
}

// Line art for dark toolbars: a soft dark halo under light strokes.
QImage ToolbarGlyph(const Drawing& draw, int size = 24)
{
    const QImage shape = Draw(size, size, draw);
    QImage halo = shape;
    {
        QPainter p(&halo);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(halo.rect(), QColor(0, 0, 0, 110));
    }
    return Draw(size, size, [&](QPainter& p) {
        p.drawImage(1, 1, halo);
        p.drawImage(0, 0, shape);
    });
}

// The same drawing facing the other way: x runs from the right edge of a picture `width` wide.
Drawing Mirrored(int width, const Drawing& draw)
{
    return [=](QPainter& p) {
        p.translate(width, 0);
        p.scale(-1, 1);
        draw(p);
    };
}

const QColor LightColour(0xF4, 0xF1, 0xE8);
const QColor AccentColour(0xF2, 0xC1, 0x4E);
const QColor InkColour(0x1A, 0x27, 0x50);

// The colour of one letter of a pixel map; an invalid colour for a letter no map uses.
QColor Ink(char key)
{
    switch (key) {
    case '.':
        return Qt::transparent;
    case '#':
        return InkColour;
    case 'W':
        return LightColour;
    case 'G':
        return AccentColour;
    case 'L':
        return QColor(0xC4, 0xC4, 0xC4);
    case 'D':
        return QColor(0x20, 0x20, 0x20);
    case 'p':
        return Qt::white;
    case 's':
        return QColor(0xB4, 0xBB, 0xC8);
    case 'r':
        return QColor(0xD8, 0x2A, 0x22);
    case 'g':
        return QColor(0x2E, 0xA0, 0x3C);
    case 'b':
        return QColor(0x25, 0x6C, 0xD8);
    default:
        return QColor();
    }
}

// A pixel-crisp picture from rows of letters, one letter a pixel (see Ink); a null image when
// the rows differ in length or use an unknown letter.
QImage PixelArt(std::initializer_list<const char*> rows)
{
    const int width = static_cast<int>(std::strlen(*rows.begin()));
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
    int y = 0;
    for (const char* row : rows) {
        if (static_cast<int>(std::strlen(row)) != width)
            return QImage();
        for (int x = 0; x < width; ++x) {
            const QColor color = Ink(row[x]);
            if (!color.isValid())
                return QImage();
            image.setPixelColor(x, y, color);
        }
        ++y;
    }
    return image;
}

QImage MirroredPixelArt(std::initializer_list<const char*> rows)
{
    return PixelArt(rows).mirrored(true, false);
}

void WasteBin(QPainter& p)
{
    p.setPen(Stroke(AccentColour, 1.8));
    p.drawPolyline(QPolygonF({QPointF(9.5, 5.5), QPointF(9.5, 3), QPointF(14.5, 3), QPointF(14.5, 5.5)}));
    p.setPen(Stroke(AccentColour, 2.4));
    p.drawLine(QPointF(4.5, 6.5), QPointF(19.5, 6.5));
    p.setPen(Stroke(LightColour, 1.8));
    p.drawPolygon(
        QPolygonF({QPointF(6.5, 9.5), QPointF(17.5, 9.5), QPointF(16.2, 20.5), QPointF(7.8, 20.5)}));
    p.setPen(Stroke(LightColour, 1.4));
    p.drawLine(QPointF(10, 12.5), QPointF(10.3, 17.5));
    p.drawLine(QPointF(12, 12.5), QPointF(12, 17.5));
    p.drawLine(QPointF(14, 12.5), QPointF(13.7, 17.5));
}

// A list of entries, for a 16-pixel picture: three lines, each after a bullet.
void EntryList(QPainter& p)
{
    for (const int y : {3, 7, 11}) {
        p.fillRect(QRect(1, y, 2, 2), AccentColour);
        p.fillRect(QRect(5, y, 9, 2), LightColour);
    }
}

// A left-pointing arrow filling a 16-pixel picture.
void EntryArrow(QPainter& p)
{
    p.setPen(Stroke(LightColour, 1.2));
    p.setBrush(AccentColour);
    p.drawPolygon(QPolygonF({QPointF(1.5, 7.5), QPointF(7.5, 1.5), QPointF(7.5, 5), QPointF(13.5, 5),
                             QPointF(13.5, 10), QPointF(7.5, 10), QPointF(7.5, 13.5)}));
}

// "abc" in hand-drawn strokes above a check mark.
void SpellCheck(QPainter& p)
{
    p.setPen(Stroke(LightColour, 1.6));
    p.drawEllipse(QRectF(2, 5.5, 4.4, 5));
    p.drawLine(QPointF(6.4, 5.5), QPointF(6.4, 10.5));
    p.drawLine(QPointF(9.2, 2), QPointF(9.2, 10.5));
    p.drawEllipse(QRectF(9.2, 5.5, 4.4, 5));
    p.drawArc(QRectF(16, 5.5, 5, 5), 45 * 16, 270 * 16);
    p.setPen(Stroke(AccentColour, 2.6));
    p.drawPolyline(QPolygonF({QPointF(6, 16.5), QPointF(10, 20.5), QPointF(19, 13.5)}));
}

// A painter's palette with a thumb hole and four dabs of paint.
void Palette(QPainter& p)
{
    QPainterPath board;
    board.addEllipse(QRectF(2.5, 3.5, 19, 16));
    QPainterPath bite;
    bite.addEllipse(QPointF(9, 19.5), 3.6, 3.6);
    p.setPen(Stroke(LightColour, 1.8));
    p.drawPath(board.subtracted(bite));
    p.setPen(Stroke(LightColour, 1.4));
    p.drawEllipse(QPointF(7, 13), 1.6, 1.6);
    p.setPen(Qt::NoPen);
    const std::pair<QPointF, QColor> dabs[] = {{QPointF(7.5, 8), QColor(0xF0, 0x50, 0x48)},
                                               {QPointF(12, 6.8), AccentColour},
                                               {QPointF(16.5, 8.5), QColor(0x5C, 0xC8, 0x6A)},
                                               {QPointF(16.5, 13.5), QColor(0x5C, 0x9C, 0xF0)}};
    for (const auto& [at, color] : dabs) {
        p.setBrush(color);
        p.drawEllipse(at, 2, 2);
    }
}

void BirthdayCake(QPainter& p)
{
    p.setPen(Stroke(LightColour, 1.6));
    p.drawLine(QPointF(3, 20.5), QPointF(21, 20.5));
    p.drawRoundedRect(QRectF(5.5, 12, 13, 8.5), 1.5, 1.5);
    QPainterPath icing;
    icing.moveTo(5.5, 15);
    for (int k = 0; k < 4; ++k)
        icing.quadTo(7.1 + 3.25 * k, 17.5, 8.75 + 3.25 * k, 15);
    p.setPen(Stroke(AccentColour, 1.4));
    p.drawPath(icing);
    p.setPen(Stroke(LightColour, 1.6));
    for (const double x : {8.5, 12.0, 15.5})
        p.drawLine(QPointF(x, 8.5), QPointF(x, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(AccentColour);
    for (const double x : {8.5, 12.0, 15.5}) {
        QPainterPath flame;
        flame.moveTo(x, 3);
        flame.quadTo(x + 2, 5.5, x, 7);
        flame.quadTo(x - 2, 5.5, x, 3);
        p.drawPath(flame);
    }
}

// A screwdriver crossed by an open-ended wrench.
void Tools(QPainter& p)
{
    p.translate(12, 12);
    p.save();
    p.rotate(45);
    p.setPen(Stroke(LightColour, 1.8));
    p.drawLine(QPointF(-9.5, 0), QPointF(0, 0));
    p.setPen(Stroke(LightColour, 1));
    p.setBrush(AccentColour);
    p.drawRoundedRect(QRectF(0, -2.6, 9.5, 5.2), 2, 2);
    p.restore();
    p.rotate(-45);
    QPainterPath head;
    head.addEllipse(QPointF(6, 0), 4.4, 4.4);
    QPainterPath jaw;
    jaw.addRect(QRectF(6, -1.7, 6, 3.4));
    jaw.addEllipse(QPointF(6, 0), 1.7, 1.7);
    p.setPen(Qt::NoPen);
    p.setBrush(LightColour);
    p.drawPath(head.subtracted(jaw));
    p.setPen(Stroke(LightColour, 3.2));
    p.drawLine(QPointF(-9.5, 0), QPointF(3, 0));
}

// A small "i" in a ring.
void AboutMark(QPainter& p)
{
    p.setPen(Stroke(LightColour, 1.8));
    p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
    p.setPen(Stroke(AccentColour, 2.6));
    p.drawLine(QPointF(12, 11), QPointF(12, 16.5));
    p.setPen(Qt::NoPen);
    p.setBrush(AccentColour);
    p.drawEllipse(QPointF(12, 7.5), 1.6, 1.6);
}

struct Glyph {
    const char* Name;
    QImage Image;
};

std::vector<Glyph> KindGlyphs()
{
    const QColor green(0x2E, 0xA0, 0x3C);
    const QColor red(0xD0, 0x30, 0x28);
    return {
        {"LBOK", TwoCells([&](QPainter& p) { Check(p, green, QPointF(3.5, 4.5), 1.2); })},
        {"LBCANCEL", TwoCells([&](QPainter& p) { Cross(p, red, 4.5, 2.6); })},
        {"LBHELP", TwoCells([&](QPainter& p) {
             Badge(p, QColor(0x25, 0x6C, 0xD8));
             QuestionMark(p);
         })},
        {"LBYES", TwoCells([&](QPainter& p) {
             Badge(p, green);
             Check(p, Qt::white, QPointF(5, 5.5), 0.9);
         })},
        {"LBNO", TwoCells([&](QPainter& p) {
             p.setPen(Stroke(red, 2.4));
             p.drawEllipse(QRectF(2.5, 2.5, 13, 13));
             p.drawLine(QPointF(5, 13), QPointF(13, 5));
         })},
        {"LBCLOSE", TwoCells(Door)},
        {"LBABORT", TwoCells(StopSign)},
        {"LBRETRY", TwoCells(RetryArrow)},
        {"LBIGNORE", TwoCells(IgnoreHop)},
        {"LBALL", TwoCells([&](QPainter& p) {
             Check(p, green.darker(115), QPointF(1.5, 3), 1.0);
             Check(p, green, QPointF(6.5, 6.5), 1.0);
         })},
        {"LBARROW", Draw(7, 4,
                         [](QPainter& p) {
                             p.setRenderHint(QPainter::Antialiasing, false);
                             for (int row = 0; row < 4; ++row)
                                 p.fillRect(row, row, 7 - 2 * row, 1, Qt::black);
                         })},
    };
}

// The main window's toolbar, light on the dark skin strip.
std::vector<Glyph> ToolbarGlyphs()
{
    return {
        {"TBEDIT", ToolbarGlyph([](QPainter& p) {
             p.translate(12, 12);
             p.rotate(45);
             p.setPen(Stroke(LightColour, 1.4));
             p.setBrush(AccentColour);
             p.drawRect(QRectF(-2.6, -9, 5.2, 13));
             QPainterPath tip;
             tip.moveTo(-2.6, 4);
             tip.lineTo(0, 9);
             tip.lineTo(2.6, 4);
             p.setBrush(LightColour);
             p.drawPath(tip);
         })},
        {"TBSEARCH", ToolbarGlyph([](QPainter& p) {
             p.setPen(Stroke(LightColour, 2.4));
             p.drawEllipse(QRectF(4, 3, 11, 11));
             p.setPen(Stroke(AccentColour, 3.4));
             p.drawLine(QPointF(14, 14), QPointF(20, 20));
         })},
        {"TBEXIT", ToolbarGlyph([](QPainter& p) {
             p.setPen(Stroke(LightColour, 1.8));
             p.drawPolyline(QPolygonF({QPointF(13, 6), QPointF(13, 3), QPointF(4, 3), QPointF(4, 20),
                                       QPointF(13, 20), QPointF(13, 17)}));
             p.setPen(Stroke(AccentColour, 2.4));
             p.drawLine(QPointF(9, 11.5), QPointF(20, 11.5));
             p.drawLine(QPointF(16.5, 8), QPointF(20, 11.5));
             p.drawLine(QPointF(16.5, 15), QPointF(20, 11.5));
         })},
        {"TBDELETE", ToolbarGlyph(WasteBin)},
        {"TBBROWSE", ToolbarGlyph(EntryList, 16)},
        {"TBPREVENTRY", ToolbarGlyph(EntryArrow, 16)},
        {"TBNEXTENTRY", ToolbarGlyph(Mirrored(16, EntryArrow), 16)},
        {"TBSPELL", ToolbarGlyph(SpellCheck)},
        {"TBSKIN", ToolbarGlyph(Palette)},
        {"TBBIRTHDAY", ToolbarGlyph(BirthdayCake)},
        {"TBTOOLS", ToolbarGlyph(Tools)},
        {"TBABOUT", ToolbarGlyph(AboutMark)},
    };
}

// The small buttons under the calendar and the window's size grip, on the dark skin background.
std::vector<Glyph> NavigationGlyphs()
{
    // clang-format off
    const auto navPrevious = {
        "...W.",
        "..WW.",
        ".WWW.",
        "..WW.",
        "...W.",
    };
    // clang-format on
    return {
        {"NAVPREV", PixelArt(navPrevious)},
        {"NAVNEXT", MirroredPixelArt(navPrevious)},
        {"NAVTODAY", PixelArt({
                         "......WWWWWWWWW......",
                         "......WWWWWWWWW......",
                         "......W.......W......",
                         "......W..GGG..W......",
                         "......W..GGG..W......",
                         "......W.......W......",
                         "......WWWWWWWWW......",
                     })},
        {"SIZEGRIP", PixelArt({
                         "..........",
                         ".......LL.",
                         ".......LL.",
                         ".........D",
                         "....LL.LL.",
                         "....LL.LL.",
                         "......D..D",
                         ".LL.LL.LL.",
                         ".LL.LL.LL.",
                         "...D..D..D",
                     })},
    };
}

// The buttons in the light column beside the editor: mood arrows and formatting, in dark ink.
std::vector<Glyph> EditorGlyphs()
{
    // clang-format off
    const auto moodPrevious = {
        ".....#.",
        "....##.",
        "...###.",
        "..####.",
        "...###.",
        "....##.",
        ".....#.",
    };
    // clang-format on
    return {
        {"MOODPREV", PixelArt(moodPrevious)},
        {"MOODNEXT", MirroredPixelArt(moodPrevious)},
        {"FMTSMALLER", PixelArt({
                           "......#####",
                           ".......###.",
                           "........#..",
                           "...........",
                           "..#........",
                           ".#.#.......",
                           ".#.#.......",
                           "#####......",
                           "#...#......",
                           "#...#......",
                           "...........",
                       })},
        {"FMTLARGER", PixelArt({
                          "........#..",
                          "...#...###.",
                          "...#..#####",
                          "..#.#......",
                          "..#.#......",
                          ".#...#.....",
                          ".#####.....",
                          ".#...#.....",
                          "#.....#....",
                          "#.....#....",
                          "...........",
                      })},
        {"FMTBOLD", PixelArt({
                        "...........",
                        "..######...",
                        "..##...##..",
                        "..##...##..",
                        "..##...##..",
                        "..######...",
                        "..##...##..",
                        "..##...##..",
                        "..##...##..",
                        "..######...",
                        "...........",
                    })},
        {"FMTITALIC", PixelArt({
                          "...........",
                          "....#####..",
                          "......#....",
                          "......#....",
                          ".....#.....",
                          ".....#.....",
                          "....#......",
                          "....#......",
                          "...#.......",
                          ".#####.....",
                          "...........",
                      })},
        {"FMTUNDERLINE", PixelArt({
                             "...........",
                             ".###...###.",
                             "..#.....#..",
                             "..#.....#..",
                             "..#.....#..",
                             "..#.....#..",
                             "..#.....#..",
                             "...#####...",
                             "...........",
                             ".#########.",
                             "...........",
                         })},
        {"FMTLEFT", PixelArt({
                        "...........",
                        "...........",
                        "###########",
                        "...........",
                        "#######....",
                        "...........",
                        "###########",
                        "...........",
                        "#######....",
                        "...........",
                        "...........",
                    })},
        {"FMTCENTER", PixelArt({
                          "...........",
                          "...........",
                          "###########",
                          "...........",
                          "..#######..",
                          "...........",
                          "###########",
                          "...........",
                          "..#######..",
                          "...........",
                          "...........",
                      })},
        {"FMTRIGHT", PixelArt({
                         "...........",
                         "...........",
                         "###########",
                         "...........",
                         "....#######",
                         "...........",
                         "###########",
                         "...........",
                         "....#######",
                         "...........",
                         "...........",
                     })},
        {"FMTCOLOR", PixelArt({
                         "...........",
                         ".....#.....",
                         "....#.#....",
                         "....#.#....",
                         "...#...#...",
                         "...#####...",
                         "..#.....#..",
                         "..#.....#..",
                         "...........",
                         ".rrrgggbbb.",
                         ".rrrgggbbb.",
                     })},
        {"FMTPRINT", PixelArt({
                         "..#######..",
                         "..#ppppp#..",
                         "..#ppppp#..",
                         "###########",
                         "#sssssssss#",
                         "#sssssssgs#",
                         "#sssssssss#",
                         "###########",
                         "..#ppppp#..",
                         "..#ppppp#..",
                         "..#######..",
                     })},
    };
}

std::vector<Glyph> AllGlyphs()
{
    std::vector<Glyph> all;
    for (auto&& family : {KindGlyphs(), ToolbarGlyphs(), NavigationGlyphs(), EditorGlyphs()})
        all.insert(all.end(), family.begin(), family.end());
    return all;
}

} // namespace

// Whether the glyphs drawn are exactly the names the build lists, so none is drawn and then
// left out of the resources; tells which differ.
bool DrawsExactly(const std::vector<Glyph>& glyphs, const std::set<std::string>& listed)
{
    std::set<std::string> drawn;
    for (const auto& glyph : glyphs)
        drawn.insert(glyph.Name);
    for (const auto& name : drawn)
        if (listed.count(name) == 0)
            std::fprintf(stderr, "%s is drawn but not listed\n", name.c_str());
    for (const auto& name : listed)
        if (drawn.count(name) == 0)
            std::fprintf(stderr, "%s is listed but not drawn\n", name.c_str());
    return drawn == listed;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <glyph name>...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // Every glyph at its size, then twice as sharp for scaled screens.
    for (const int ratio : {1, 2}) {
        art::pixelRatio = ratio;
        const QString suffix = ratio == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        const std::vector<Glyph> glyphs = AllGlyphs();
        if (!DrawsExactly(glyphs, std::set<std::string>(argv + 2, argv + argc)))
            return 1;
        for (const auto& glyph : glyphs) {
            const QString file = folder + '/' + QLatin1String(glyph.Name) + suffix;
            if (glyph.Image.isNull() || qAlpha(glyph.Image.pixel(0, glyph.Image.height() - 1)) != 0 ||
                !glyph.Image.save(file)) {
                std::fprintf(stderr, "cannot make %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
