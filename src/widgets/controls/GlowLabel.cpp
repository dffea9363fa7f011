#include "widgets/controls/GlowLabel.h"

#include "widgets/controls/AccessibleControls.h"

#include "widgets/controls/QtColors.h"

#include <QPainter>

using model::look::GrayText;
using model::look::RgbColor;

namespace widgets::controls {

GlowLabel::GlowLabel(QWidget* parent) : QWidget(parent)
{
    RegisterAccessibleControls();
}

void GlowLabel::SetCaption(const QString& value)
{
    caption_ = value.left(255);
    update();
}

void GlowLabel::SetAlignment(HorizontalAlignment value)
{
    alignment_ = value;
    update();
}

void GlowLabel::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void GlowLabel::SetColor(RgbColor value)
{
    color_ = value;
    update();
}

void GlowLabel::SetShowAccelChar(bool value)
{
    showAccelChar_ = value;
    update();
}

void GlowLabel::SetGlowColor(RgbColor value)
{
    glowColor_ = value;
    update();
}

void GlowLabel::SetGlowAlways(bool value)
{
    glowAlways_ = value;
    update();
}

void GlowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), ToQColor(color_, palette().color(QPalette::Window)));
    const int flags = static_cast<int>(ToQtAlignment(alignment_)) | Qt::AlignTop | Qt::TextWordWrap |
                      Qt::TextExpandTabs | (showAccelChar_ ? Qt::TextShowMnemonic : 0);
    if (!isEnabled()) {
        painter.setPen(ToQColor(GrayText));
        painter.drawText(rect(), flags, caption_);
        return;
    }
    if (hot_ || glowAlways_) {
        painter.setPen(ToQColor(glowColor_));
        for (const QPoint offset : {QPoint(1, 1), QPoint(-1, -1), QPoint(-1, 1), QPoint(1, -1)})
            painter.drawText(rect().translated(offset), flags, caption_);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, caption_);
}

void GlowLabel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    SetHot(true);
    emit OnMouseEnter();
}

void GlowLabel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    SetHot(false);
    emit OnMouseLeave();
}

void GlowLabel::SetHot(bool value)
{
    hot_ = value;
    if (!glowAlways_)
        update();
}

} // namespace widgets::controls
