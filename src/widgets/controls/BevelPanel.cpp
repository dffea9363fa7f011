#include "widgets/controls/BevelPanel.h"

#include "widgets/controls/QtColors.h"

#include <QPainter>

using model::look::ButtonHighlight;
using model::look::ButtonShadow;
using model::look::RgbColor;

namespace widgets::controls {

namespace {

void Bevel(QPainter& painter, QRect& r, BevelCut cut, int width)
{
    if (cut == BevelCut::None)
        return;
    const QColor highlight = ToQColor(ButtonHighlight);
    const QColor shadow = ToQColor(ButtonShadow);
    if (cut == BevelCut::Lowered)
        Frame3D(painter, r, shadow, highlight, width);
    else
        Frame3D(painter, r, highlight, shadow, width);
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {}

void BevelPanel::SetColor(RgbColor value)
{
    color_ = value;
    update();
}

void BevelPanel::SetBevelOuter(BevelCut value)
{
    bevelOuter_ = value;
    update();
}

void BevelPanel::SetBevelInner(BevelCut value)
{
    bevelInner_ = value;
    update();
}

void BevelPanel::SetBevelWidth(int value)
{
    bevelWidth_ = value;
    update();
}

void BevelPanel::SetBorderWidth(int value)
{
    borderWidth_ = value;
    update();
}

void BevelPanel::SetCaption(const QString& value)
{
    caption_ = value;
    update();
}

QColor BevelPanel::BackgroundColor() const
{
    return ToQColor(color_, palette().color(QPalette::Window));
}

void BevelPanel::PaintStandardFrame(QPainter& painter, QRect& r) const
{
    Bevel(painter, r, bevelOuter_, bevelWidth_);
    FrameRect(painter, r, BackgroundColor(), borderWidth_);
    Bevel(painter, r, bevelInner_, bevelWidth_);
}

void BevelPanel::PaintStandardPanel(QPainter& painter) const
{
    QRect r = rect();
    painter.fillRect(r, BackgroundColor());
    PaintStandardFrame(painter, r);
    PaintCaption(painter, r);
}

void BevelPanel::PaintCaption(QPainter& painter, const QRect& r) const
{
    if (caption_.isEmpty())
        return;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width)
{
    for (int k = 0; k < width && r.width() > 0 && r.height() > 0; ++k) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

void FrameRect(QPainter& painter, QRect& r, const QColor& color, int width)
{
    for (int k = 0; k < width && r.width() > 0 && r.height() > 0; ++k) {
        painter.fillRect(r.left(), r.top(), r.width(), 1, color);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
        painter.fillRect(r.left(), r.top(), 1, r.height(), color);
        painter.fillRect(r.right(), r.top(), 1, r.height(), color);
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace widgets::controls
