#include "app/LbSpeedButton.h"

#include <QLinearGradient>
#include <QPainter>

TLbSpeedButton::TLbSpeedButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TLbSpeedButton::enterEvent(QEnterEvent* event)
{
    hot_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TLbSpeedButton::leaveEvent(QEvent* event)
{
    hot_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TLbSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int offset = isDown() ? 1 : 0;
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(0, 0, 0, height());
    const int alpha = hot_ ? 90 : 55;
    gradient.setColorAt(0, QColor(255, 255, 255, alpha));
    gradient.setColorAt(0.3, QColor(255, 255, 255, alpha / 4));
    gradient.setColorAt(1, QColor(255, 255, 255, alpha / 2));
    painter.setBrush(gradient);
    painter.setPen(QPen(isEnabled() ? QColor(200, 210, 235) : QColor(110, 110, 110), 1));
    painter.drawRoundedRect(face, 3, 3);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
    painter.setFont(font());
    painter.drawText(rect().translated(offset, offset), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
