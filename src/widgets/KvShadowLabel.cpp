#include "widgets/KvShadowLabel.h"

#include "widgets/QtColors.h"

#include <QPainter>

namespace widgets {

TKvShadowLabel::TKvShadowLabel(QWidget* parent) : QWidget(parent) {}

void TKvShadowLabel::SetCaption(const QString& value)
{
    caption_ = value;
    update();
}

void TKvShadowLabel::SetAlignment(TAlignment value)
{
    alignment_ = value;
    update();
}

void TKvShadowLabel::SetShadowColor(TColor value)
{
    shadowColor_ = value;
    update();
}

void TKvShadowLabel::SetShadowOffset(int value)
{
    shadowOffset_ = value;
    update();
}

void TKvShadowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int flags = static_cast<int>(HorizontalAlignment(alignment_)) | Qt::AlignTop | Qt::TextWordWrap;
    painter.setPen(ToQColor(shadowColor_));
    painter.drawText(rect().translated(shadowOffset_, shadowOffset_), flags, caption_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, caption_);
}

} // namespace widgets
