#include "widgets/controls/HatchedPanel.h"

#include "widgets/controls/QtColors.h"

#include <QEvent>
#include <QPainter>

using model::look::RgbColor;

namespace widgets::controls {

HatchedPanel::HatchedPanel(QWidget* parent) : BevelPanel(parent) {}

void HatchedPanel::SetPicture(const QImage& value)
{
    picture_ = value;
    SetCaption(QString());
    update();
}

void HatchedPanel::SetMode(HatchMode value)
{
    mode_ = value;
    update();
}

void HatchedPanel::SetBorder(PanelBorder value)
{
    border_ = value;
    update();
}

void HatchedPanel::SetBorderColor(RgbColor value)
{
    borderColor_ = value;
    update();
}

void HatchedPanel::SetPictureInsideBevel(bool value)
{
    pictureInsideBevel_ = value;
    update();
}

void HatchedPanel::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void HatchedPanel::DrawPicture(QPainter& painter, const QRect& area) const
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (mode_ == HatchMode::Stretched) {
        painter.drawImage(area, picture_);
    } else {
        const QSize tile = picture_.deviceIndependentSize().toSize();
        for (int y = area.top(); y <= area.bottom(); y += tile.height())
            for (int x = area.left(); x <= area.right(); x += tile.width())
                painter.drawImage(x, y, picture_);
    }
    painter.restore();
}

void HatchedPanel::PaintHatchedPanel(QPainter& painter) const
{
    const bool hasPicture = picture_.width() > 0 && picture_.height() > 0;
    const bool pictureUnder = hasPicture && !transparent_ && !pictureInsideBevel_;
    const bool pictureOver = hasPicture && !transparent_ && pictureInsideBevel_;
    QRect r = rect();
    if (pictureUnder)
        DrawPicture(painter, r);
    else if (!transparent_)
        painter.fillRect(r, BackgroundColor());

    switch (border_) {
    case PanelBorder::None:
        break;
    case PanelBorder::Flat:
        FrameRect(painter, r, ToQColor(borderColor_), BevelWidth());
        break;
    case PanelBorder::Bevels:
        PaintStandardFrame(painter, r);
        break;
    }
    if (!hasPicture)
        PaintCaption(painter, r);
    if (pictureOver) {
        const int inset = BevelWidth();
        DrawPicture(painter, rect().adjusted(inset, inset, -inset, -inset));
    }
}

void HatchedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintHatchedPanel(painter);
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

} // namespace widgets::controls
