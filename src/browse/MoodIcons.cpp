#include "browse/MoodIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

struct TFace {
    QColor Color;
    double Smile; // mouth curve: positive smiles, negative frowns
};

constexpr int Size = 22;

const std::array<TFace, 10> Faces{{
    {QColor(0xF5, 0xC5, 0x18), 4},    // happy
    {QColor(0x8F, 0xCB, 0x7A), 1.5},  // calm
    {QColor(0xFF, 0x98, 0x30), 5},    // excited
    {QColor(0xF0, 0x70, 0x98), 3},    // loved
    {QColor(0xB0, 0xA8, 0xC8), 0},    // tired
    {QColor(0x70, 0x9C, 0xE0), -3},   // sad
    {QColor(0xE0, 0x48, 0x38), -4},   // angry
    {QColor(0xC8, 0xB0, 0x70), -1.5}, // worried
    {QColor(0x98, 0xC0, 0x50), -2},   // sick
    {QColor(0x68, 0xB8, 0xB8), 0.5},  // thoughtful
}};

} // namespace

QImage ListMoodIcon(int mood)
{
    QImage icon(Size, Size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    if (mood < 0 || mood >= static_cast<int>(Faces.size()))
        return icon;
    const TFace& face = Faces[static_cast<size_t>(mood)];
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(face.Color.darker(160), 1.2));
    p.setBrush(face.Color);
    p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x20, 0x10));
    p.drawEllipse(QPointF(7.5, 8.5), 1.4, 1.6);
    p.drawEllipse(QPointF(14.5, 8.5), 1.4, 1.6);
    QPainterPath mouth;
    mouth.moveTo(6.5, 14);
    mouth.quadTo(11, 14 + face.Smile, 15.5, 14);
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    return icon;
}
