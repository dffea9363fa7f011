// Draws the pictures of the browse, tools, progress and about windows into PNG files: the
// browse toolbar glyphs (24 × 24), the tools window's button glyphs (20 × 20), its decorative
// bar (375 × 12) and the progress window's icon (32 × 32). Button glyphs are light line art
// with a dark halo, for skin pictures; their bottom-left pixel is transparent, the colour the
// buttons treat as clear.
// Usage: <program> <output folder>
#include "common/LineArt.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using art::Draw;
using art::Drawing;
using art::Stroke;

const QColor Light(0xF4, 0xF1, 0xE8);
const QColor Accent(0xF2, 0xC1, 0x4E);
const QColor Sky(0x8C, 0xC8, 0xF0);


// Line art with a soft dark halo below and to the right, readable on any skin.
QImage Glyph(int size, const Drawing& draw)
{
    const QImage shape = Draw(size, size, draw);
    QImage halo = shape;
    {
        QPainter p(&halo);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(halo.rect(), QColor(0, 0, 0, 120));
    }
    QImage glyph = Draw(size, size, [&](QPainter& p) {
        p.drawImage(1, 1, halo);
        p.drawImage(0, 0, shape);
    });
    glyph.setPixel(0, glyph.height() - 1, qRgba(0, 0, 0, 0));
    return glyph;
}

void Arrow(QPainter& p, QPointF from, QPointF to, double head)
{
    p.setPen(Stroke(Accent, 2.6));
    p.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-direction.y(), direction.x());
    p.drawLine(to, to - direction * head + across * head);
    p.drawLine(to, to - direction * head - across * head);
}

// A box seen from the front, open at the top: where backups are kept.
void Box(QPainter& p)
{
    p.setPen(Stroke(Light, 1.6));
    p.setBrush(QColor(0x6A, 0x8C, 0xB0));
    p.drawRoundedRect(QRectF(3, 11, 14, 7), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(7.5, 14.5), QPointF(12.5, 14.5));
}

void Page(QPainter& p, const QRectF& r)
{
    p.setPen(Stroke(Light, 1.4));
    p.setBrush(QColor(0xF8, 0xF6, 0xF0, 60));
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - 4, r.top());
    page.lineTo(r.right(), r.top() + 4);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.drawPath(page);
    p.setBrush(Qt::NoBrush);
    for (double y = r.top() + 5; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

struct Picture {
    const char* Name;
    QImage Image;
};

std::vector<Picture> BrowseGlyphs()
{
    return {
        {"BRPREV", Glyph(24, [](QPainter& p) { Arrow(p, QPointF(12, 20), QPointF(12, 4), 6); })},
        {"BRNEXT", Glyph(24, [](QPainter& p) { Arrow(p, QPointF(12, 4), QPointF(12, 20), 6); })},
        {"BRGOTO", Glyph(24,
                         [](QPainter& p) {
                             Page(p, QRectF(10, 3, 11, 17));
                             QPainterPath hop;
                             hop.moveTo(2, 18);
                             hop.quadTo(3, 8, 12, 9);
                             p.setPen(Stroke(Accent, 2.4));
                             p.drawPath(hop);
                             p.drawLine(QPointF(12, 9), QPointF(8.5, 5.5));
                             p.drawLine(QPointF(12, 9), QPointF(8.5, 12.5));
                         })},
        {"BRSEARCH", Glyph(24,
                           [](QPainter& p) {
                               p.setPen(Stroke(Light, 2.4));
                               p.drawEllipse(QRectF(4, 3, 11, 11));
                               p.setPen(Stroke(Accent, 3.4));
                               p.drawLine(QPointF(14, 14), QPointF(20, 20));
                           })},
        {"BRCLOSE", Glyph(24,
                          [](QPainter& p) {
                              p.setPen(Stroke(Light, 1.8));
                              p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 3, 3);
                              p.setPen(Stroke(Accent, 2.6));
                              p.drawLine(QPointF(8, 8), QPointF(16, 16));
                              p.drawLine(QPointF(16, 8), QPointF(8, 16));
                          })},
    };
}

std::vector<Picture> OptionsGlyphs()
{
    return {
        {"OPBACKUP", Glyph(20,
                           [](QPainter& p) {
                               Box(p);
                               Arrow(p, QPointF(10, 1.5), QPointF(10, 12), 3.5);
                           })},
        {"OPRESTORE", Glyph(20,
                            [](QPainter& p) {
                                Box(p);
                                Arrow(p, QPointF(10, 12), QPointF(10, 1.5), 3.5);
                            })},
        {"OPEXPORT", Glyph(20,
                           [](QPainter& p) {
                               Page(p, QRectF(2, 2, 11, 16));
                               Arrow(p, QPointF(9, 12), QPointF(18.5, 12), 3.5);
                           })},
        {"OPFONT", Glyph(20,
                         [](QPainter& p) {
                             QPainterPath letter;
                             letter.moveTo(2.5, 17);
                             letter.lineTo(8, 2.5);
                             letter.lineTo(13.5, 17);
                             letter.moveTo(4.6, 11.5);
                             letter.lineTo(11.4, 11.5);
                             p.setPen(Stroke(Light, 2.2));
                             p.drawPath(letter);
                             p.setPen(Stroke(Accent, 2));
                             p.drawLine(QPointF(14, 17), QPointF(18, 5));
                         })},
        {"OPPASSWORD", Glyph(20,
                             [](QPainter& p) {
                                 p.setPen(Stroke(Accent, 2.2));
                                 p.drawEllipse(QRectF(2, 6.5, 7, 7));
                                 p.drawLine(QPointF(9, 10), QPointF(18, 10));
                                 p.drawLine(QPointF(15, 10), QPointF(15, 13.5));
                                 p.drawLine(QPointF(18, 10), QPointF(18, 13));
                             })},
        {"OPWEB", Glyph(20,
                        [](QPainter& p) {
                            p.setPen(Stroke(Sky, 1.6));
                            p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
                            p.drawEllipse(QRectF(6.5, 2.5, 7, 15));
                            p.drawLine(QPointF(2.5, 10), QPointF(17.5, 10));
                            p.drawLine(QPointF(4, 6), QPointF(16, 6));
                            p.drawLine(QPointF(4, 14), QPointF(16, 14));
                        })},
        {"OPOK", Glyph(20,
                       [](QPainter& p) {
                           QPainterPath check;
                           check.moveTo(3.5, 10.5);
                           check.lineTo(8, 15);
                           check.lineTo(16.5, 4.5);
                           p.setPen(Stroke(QColor(0x7C, 0xD8, 0x7A), 3));
                           p.drawPath(check);
                       })},
        {"OPBAR", Draw(375, 12,
                       [](QPainter& p) {
                           QLinearGradient fade(0, 0, 375, 0);
                           fade.setColorAt(0, QColor(0xF2, 0xC1, 0x4E, 0));
                           fade.setColorAt(0.2, QColor(0xF2, 0xC1, 0x4E, 200));
                           fade.setColorAt(0.8, QColor(0xF2, 0xC1, 0x4E, 200));
                           fade.setColorAt(1, QColor(0xF2, 0xC1, 0x4E, 0));
                           p.fillRect(QRectF(0, 5, 375, 2), fade);
                           p.setPen(Qt::NoPen);
                           p.setBrush(QColor(0xF4, 0xF1, 0xE8));
                           for (const double x : {187.5 - 14, 187.5, 187.5 + 14})
                               p.drawEllipse(QPointF(x, 6), x == 187.5 ? 3.5 : 2.2, x == 187.5 ? 3.5 : 2.2);
                       })},
        {"PRICON", Draw(32, 32,
                        [](QPainter& p) {
                            p.setPen(Stroke(QColor(0x3A, 0x2A, 0x10), 1.2));
                            p.setBrush(QColor(0xC8, 0x8A, 0x3C));
                            p.drawRoundedRect(QRectF(4, 3, 18, 25), 2, 2);
                            p.setBrush(QColor(0xFA, 0xF6, 0xEC));
                            p.drawRect(QRectF(8, 6, 12, 19));
                            p.setPen(Stroke(QColor(0x90, 0x90, 0xA0), 1));
                            for (int y = 10; y < 23; y += 3)
                                p.drawLine(QPointF(10, y), QPointF(18, y));
                            p.setPen(Stroke(QColor(0x20, 0x80, 0x30), 3));
                            p.drawLine(QPointF(17, 20), QPointF(28, 20));
                            p.drawLine(QPointF(28, 20), QPointF(24, 16));
                            p.drawLine(QPointF(28, 20), QPointF(24, 24));
                        })},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // Every picture at its size, then twice as sharp for scaled screens.
    for (const int ratio : {1, 2}) {
        art::pixelRatio = ratio;
        const QString suffix = ratio == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        std::vector<Picture> pictures = BrowseGlyphs();
        for (auto& picture : OptionsGlyphs())
            pictures.push_back(std::move(picture));
        for (const auto& picture : pictures) {
            const QString file = folder + '/' + QLatin1String(picture.Name) + suffix;
            if (!picture.Image.save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
