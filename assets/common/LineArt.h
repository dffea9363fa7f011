// What the glyph generators share: round-capped strokes and a transparent antialiased canvas.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>

#include <functional>

namespace art {

using Drawing = std::function<void(QPainter&)>;

inline QPen Stroke(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

inline QImage Draw(int width, int height, const Drawing& draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

} // namespace art
