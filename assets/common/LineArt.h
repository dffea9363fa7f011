// What the glyph generators share: round-capped strokes and a transparent antialiased canvas,
// drawn at one or more device pixels per unit.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>

#include <functional>

namespace art {

using Drawing = std::function<void(QPainter&)>;

// Device pixels per unit of the pictures drawn next: 1, or 2 for the sharp copies
// ("<name>@2x.png") that screens scaled by more than one show.
inline int pixelRatio = 1;

inline QPen Stroke(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A canvas of width x height units; the painter works in units whatever the pixel ratio.
inline QImage Draw(int width, int height, const Drawing& draw)
{
    QImage image(width * pixelRatio, height * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

} // namespace art
