#include "widgets/controls/ToolButton.h"

#include "widgets/controls/AccessibleControls.h"
#include "widgets/controls/QtColors.h"
#include "widgets/controls/ResourceBitmaps.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace widgets::controls {

namespace {

constexpr int Spacing = 2;

QFont ToolbarFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

} // namespace

ToolButton::ToolButton(QWidget* parent) : QWidget(parent)
{
    RegisterAccessibleControls();
    setFocusPolicy(Qt::TabFocus);
    setFont(ToolbarFont());
    SetFontColor(*this, Qt::white);
    resize(52, 46);
}

void ToolButton::SetCaption(const QString& value)
{
    caption_ = value;
    update();
}

void ToolButton::SetGlyph(const QImage& value)
{
    glyph_ = value;
    shownGlyph_ = WithBottomLeftTransparent(value);
    update();
}

void ToolButton::SetLayout(ButtonLayout value)
{
    layout_ = value;
    update();
}

void ToolButton::SetMargin(int value)
{
    margin_ = value;
    update();
}

// The lit or sunken plate behind glyph and caption; nothing while idle.
void ToolButton::PaintPlate(QPainter& painter) const
{
    const bool sunken = pressed_ && hot_;
    if (!isEnabled() || (!hot_ && !pressed_))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    if (sunken) {
        fill.setColorAt(0, QColor(0, 0, 0, 110));
        fill.setColorAt(1, QColor(0, 0, 0, 60));
    } else {
        fill.setColorAt(0, QColor(255, 255, 255, 70));
        fill.setColorAt(1, QColor(255, 255, 255, 25));
    }
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(255, 255, 255, sunken ? 70 : 120), 1));
    painter.drawRoundedRect(plate, 4, 4);
    painter.restore();
}

void ToolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintPlate(painter);
    const int shift = pressed_ && hot_ ? 1 : 0;
    const QRect inner = rect().adjusted(margin_ + shift, margin_ + shift, -margin_ + shift, -margin_ + shift);
    const QFontMetrics metrics(font());
    const QString& caption = caption_;
    const QSize text = caption.isEmpty() ? QSize() : metrics.size(0, caption);
    const QSize glyph = shownGlyph_.isNull() ? QSize() : shownGlyph_.deviceIndependentSize().toSize();
    const int gap = glyph.isEmpty() || text.isEmpty() ? 0 : Spacing;

    QPoint glyphAt;
    QRect textBox;
    if (layout_ == ButtonLayout::GlyphTop) {
        const int top = inner.top() + (inner.height() - glyph.height() - gap - text.height()) / 2;
        glyphAt = QPoint(inner.left() + (inner.width() - glyph.width()) / 2, top);
        textBox = QRect(inner.left(), top + glyph.height() + gap, inner.width(), text.height());
    } else {
        const int left = inner.left() + (inner.width() - glyph.width() - gap - text.width()) / 2;
        glyphAt = QPoint(left, inner.top() + (inner.height() - glyph.height()) / 2);
        textBox = QRect(left + glyph.width() + gap, inner.top(), text.width(), inner.height());
    }

    painter.setOpacity(isEnabled() ? 1.0 : 0.4);
    if (!glyph.isEmpty())
        painter.drawImage(glyphAt, shownGlyph_);
    if (!caption.isEmpty()) {
        // A soft shadow keeps the caption readable on light parts of a skin.
        painter.setPen(QColor(0, 0, 0, 140));
        painter.drawText(textBox.translated(1, 1), Qt::AlignHCenter | Qt::AlignVCenter, caption);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignVCenter, caption);
    }
    if (hasFocus()) {
        painter.setOpacity(1.0);
        PaintFocusFrame(painter, rect());
    }
}

void ToolButton::keyPressEvent(QKeyEvent* event)
{
    if (PressesButton(*event) && isEnabled())
        emit OnClick();
    else
        QWidget::keyPressEvent(event);
}

void ToolButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ToolButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ToolButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!isEnabled())
        return;
    hot_ = true;
    update();
    emit OnMouseEnter();
}

void ToolButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    const bool wasHot = hot_;
    hot_ = false;
    update();
    if (wasHot)
        emit OnMouseExit();
}

void ToolButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    pressed_ = true;
    hot_ = true;
    update();
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit OnClick();
}

void ToolButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        hot_ = false;
        pressed_ = false;
        update();
    }
}

} // namespace widgets::controls
