#include "widgets/KvGlowLabel.h"

#include "widgets/QtColors.h"

#include <QPainter>

namespace widgets {

TKvGlowLabel::TKvGlowLabel(QWidget* parent) : QWidget(parent) {}

void TKvGlowLabel::SetCaption(const QString& value)
{
    caption_ = value.left(255);
    update();
}

void TKvGlowLabel::SetAlignment(TAlignment value)
{
    alignment_ = value;
    update();
}

void TKvGlowLabel::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void TKvGlowLabel::SetColor(TColor value)
{
    color_ = value;
    update();
}

void TKvGlowLabel::SetShowAccelChar(bool value)
{
    showAccelChar_ = value;
    update();
}

void TKvGlowLabel::SetGlowColor(TColor value)
{
    glowColor_ = value;
    update();
}

void TKvGlowLabel::SetGlowAlways(bool value)
{
    glowAlways_ = value;
    update();
}

void TKvGlowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), ToQColor(color_, palette().color(QPalette::Window)));
    const int flags = static_cast<int>(HorizontalAlignment(alignment_)) | Qt::AlignTop | Qt::TextWordWrap |
                      Qt::TextExpandTabs | (showAccelChar_ ? Qt::TextShowMnemonic : 0);
    if (!isEnabled()) {
        painter.setPen(ToQColor(clGrayText));
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

void TKvGlowLabel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    SetHot(true);
    emit OnMouseEnter();
}

void TKvGlowLabel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    SetHot(false);
    emit OnMouseLeave();
}

void TKvGlowLabel::SetHot(bool value)
{
    hot_ = value;
    if (!glowAlways_)
        update();
}

} // namespace widgets
