#include "widgets/KvHatchPanel.h"

#include "widgets/QtColors.h"

#include <QEvent>
#include <QPainter>

namespace widgets {

TKvHatchPanel::TKvHatchPanel(QWidget* parent) : TCustomPanel(parent) {}

void TKvHatchPanel::SetBitmap(const QImage& value)
{
    bitmap_ = value;
    SetCaption(QString());
    emit OnBitMapChanged(this);
    update();
}

void TKvHatchPanel::SetMode(TKvHatchMode value)
{
    mode_ = value;
    update();
}

void TKvHatchPanel::SetBorders(TKvBorderMode value)
{
    borders_ = value;
    update();
}

void TKvHatchPanel::SetBorderColor(TColor value)
{
    borderColor_ = value;
    update();
}

void TKvHatchPanel::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    update();
}

QString TKvHatchPanel::About() const
{
    return QStringLiteral("TKvHatchPanel: a bitmap panel with borders and transparency");
}

void TKvHatchPanel::PaintHatchPanel(QPainter& painter) const
{
    QRect r = rect();
    // Transparent: nothing is painted, so the parent shows through.
    if (!transparent_) {
        if (bitmap_.width() * bitmap_.height() == 0)
            painter.fillRect(r, BackgroundColor());
        else
            DrawHatchBitmap(painter, r, bitmap_, mode_);
    }
    switch (borders_) {
    case TKvBorderMode::bmNone:
        break;
    case TKvBorderMode::bmOriginal:
        PaintStandardFrame(painter, r);
        break;
    case TKvBorderMode::bmFlat:
        FrameRect(painter, r, ToQColor(borderColor_), BevelWidth());
        break;
    }
}

void TKvHatchPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintHatchPanel(painter);
}

void TKvHatchPanel::changeEvent(QEvent* event)
{
    TCustomPanel::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || !controlEnabled_)
        return;
    const bool enabled = isEnabled();
    const QObjectList children = this->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (auto* control = qobject_cast<QWidget*>(*it); control != nullptr && !control->isWindow())
            control->setEnabled(enabled);
}

} // namespace widgets
