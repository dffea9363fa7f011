#include "widgets/controls/HatchedPanel.h"

#include "widgets/controls/QtColors.h"

#include <QEvent>
#include <QPainter>

namespace widgets {

HatchedPanel::HatchedPanel(QWidget* parent) : BevelPanel(parent) {}

void HatchedPanel::SetBitmap(const QImage& value)
{
    bitmap_ = value;
    SetCaption(QString());
    emit OnBitMapChanged(this);
    update();
}

void HatchedPanel::SetMode(BevelHatchMode value)
{
    mode_ = value;
    update();
}

void HatchedPanel::SetBorders(BorderMode value)
{
    borders_ = value;
    update();
}

void HatchedPanel::SetBorderColor(RgbColor value)
{
    borderColor_ = value;
    update();
}

void HatchedPanel::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    update();
}

QString HatchedPanel::About() const
{
    return QStringLiteral("TKvHatchPanel: a bitmap panel with borders and transparency");
}

void HatchedPanel::PaintHatchPanel(QPainter& painter) const
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
    case BorderMode::bmNone:
        break;
    case BorderMode::bmOriginal:
        PaintStandardFrame(painter, r);
        break;
    case BorderMode::bmFlat:
        FrameRect(painter, r, ToQColor(borderColor_), BevelWidth());
        break;
    }
}

void HatchedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintHatchPanel(painter);
}

void HatchedPanel::changeEvent(QEvent* event)
{
    BevelPanel::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || !controlEnabled_)
        return;
    const bool enabled = isEnabled();
    const QObjectList children = this->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (auto* control = qobject_cast<QWidget*>(*it); control != nullptr && !control->isWindow())
            control->setEnabled(enabled);
}

} // namespace widgets
