// Helpers for the widget tests: a coloured backdrop to place widgets on, and pixel reads of
// what it shows.
#pragma once

#include "model/look/Colors.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QWidget>

namespace widgets_test {

// A top-level widget of one solid colour.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QColor color = QColor(0x30, 0x50, 0x70), QSize size = QSize(240, 160))
    {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, color);
        setPalette(colours);
        resize(size);
    }
};

// Shows the widget and its window (children made after their parent was shown stay hidden).
inline void EnsureShown(QWidget& widget)
{
    widget.window()->show();
    widget.show();
}

// What a widget shows, its parent's background included, in the widget's own coordinates.
inline QImage Snapshot(QWidget& widget)
{
    EnsureShown(widget);
    QWidget* top = widget.window();
    const QImage all = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return all.copy(QRect(widget.mapTo(top, QPoint(0, 0)), widget.size()));
}

inline model::look::RgbColor PixelAt(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return model::look::RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

inline void Hover(QWidget& widget, bool inside)
{
    EnsureShown(widget);
    if (inside) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(&widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&widget, &leave);
    }
}

} // namespace widgets_test
