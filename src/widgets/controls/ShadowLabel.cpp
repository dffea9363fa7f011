#include "widgets/controls/ShadowLabel.h"

#include "widgets/controls/AccessibleControls.h"

#include "widgets/controls/QtColors.h"

#include <QPainter>

using model::look::RgbColor;

namespace widgets::controls {

ShadowLabel::ShadowLabel(QWidget* parent) : QWidget(parent)
{
    RegisterAccessibleControls();
}

void ShadowLabel::SetCaption(const QString& value)
{
    caption_ = value;
    update();
}

void ShadowLabel::SetAlignment(HorizontalAlignment value)
{
    alignment_ = value;
    update();
}

void ShadowLabel::SetShadowColor(RgbColor value)
{
    shadowColor_ = value;
    update();
}

void ShadowLabel::SetShadowOffset(int value)
{
    shadowOffset_ = value;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int flags = static_cast<int>(ToQtAlignment(alignment_)) | Qt::AlignTop | Qt::TextWordWrap;
    painter.setPen(ToQColor(shadowColor_));
    painter.drawText(rect().translated(shadowOffset_, shadowOffset_), flags, caption_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, caption_);
}

} // namespace widgets::controls
