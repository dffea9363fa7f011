// Draws the button glyphs into PNG files: the kind glyphs LBOK ... LBALL (a normal and a
// disabled cell side by side), the popup-menu arrow LBARROW and the sample toolbar glyphs.
// Every picture has a transparent bottom-left pixel, the colour the buttons treat as clear.
// Usage: daybrook-glyphgen <output folder>
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

constexpr int kCell = 18;

using Drawing = std::function<void(QPainter&)>;

QPen Stroke(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage Draw(int width, int height, const Drawing& draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

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
    p.drawLine(QPointF(inset, inset), QPointF(kCell - inset, kCell - inset));
    p.drawLine(QPointF(kCell - inset, inset), QPointF(inset, kCell - inset));
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
    const QImage normal = Draw(kCell, kCell, draw);
    QImage emboss = normal;
    {
        QPainter p(&emboss);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(emboss.rect(), QColor(255, 255, 255, 170));
    }
    return Draw(2 * kCell, kCell, [&](QPainter& p) {
        p.drawImage(0, 0, normal);
        p.drawImage(kCell + 1, 1, emboss);
        p.drawImage(kCell, 0, Grayed(normal));
    });
}

// Line art for dark toolbars: a soft dark halo under light strokes.
QImage ToolbarGlyph(const Drawing& draw)
{
    const QImage shape = Draw(24, 24, draw);
    QImage halo = shape;
    {
        QPainter p(&halo);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(halo.rect(), QColor(0, 0, 0, 110));
    }
    return Draw(24, 24, [&](QPainter& p) {
        p.drawImage(1, 1, halo);
        p.drawImage(0, 0, shape);
    });
}

struct Glyph {
    const char* name;
    QImage image;
};

std::vector<Glyph> AllGlyphs()
{
    const QColor green(0x2E, 0xA0, 0x3C);
    const QColor red(0xD0, 0x30, 0x28);
    const QColor light(0xF4, 0xF1, 0xE8);
    const QColor accent(0xF2, 0xC1, 0x4E);
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
        {"LBARROW", Draw(7, 4, [](QPainter& p) {
             p.setRenderHint(QPainter::Antialiasing, false);
             for (int row = 0; row < 4; ++row)
                 p.fillRect(row, row, 7 - 2 * row, 1, Qt::black);
         })},
        {"TBEDIT", ToolbarGlyph([&](QPainter& p) {
             p.translate(12, 12);
             p.rotate(45);
             p.setPen(Stroke(light, 1.4));
             p.setBrush(accent);
             p.drawRect(QRectF(-2.6, -9, 5.2, 13));
             QPainterPath tip;
             tip.moveTo(-2.6, 4);
             tip.lineTo(0, 9);
             tip.lineTo(2.6, 4);
             p.setBrush(light);
             p.drawPath(tip);
         })},
        {"TBSEARCH", ToolbarGlyph([&](QPainter& p) {
             p.setPen(Stroke(light, 2.4));
             p.drawEllipse(QRectF(4, 3, 11, 11));
             p.setPen(Stroke(accent, 3.4));
             p.drawLine(QPointF(14, 14), QPointF(20, 20));
         })},
        {"TBEXIT", ToolbarGlyph([&](QPainter& p) {
             p.setPen(Stroke(light, 1.8));
             p.drawPolyline(QPolygonF({QPointF(13, 6), QPointF(13, 3), QPointF(4, 3), QPointF(4, 20),
                                       QPointF(13, 20), QPointF(13, 17)}));
             p.setPen(Stroke(accent, 2.4));
             p.drawLine(QPointF(9, 11.5), QPointF(20, 11.5));
             p.drawLine(QPointF(16.5, 8), QPointF(20, 11.5));
             p.drawLine(QPointF(16.5, 15), QPointF(20, 11.5));
         })},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: daybrook-glyphgen <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const auto& glyph : AllGlyphs()) {
        const QString file = folder + '/' + QLatin1String(glyph.name) + ".png";
        if (qAlpha(glyph.image.pixel(0, glyph.image.height() - 1)) != 0 || !glyph.image.save(file)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
