#include "widgets/controls/SkinButton.h"

#include "widgets/controls/ResourceBitmaps.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>

using model::look::ButtonFace;
using model::look::Gray;

namespace widgets::controls {

namespace {

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsPressKey(int key)
{
    return IsEnterKey(key) || key == Qt::Key_Space;
}

// Push buttons answer Enter themselves; radio buttons do not.
bool IsPushButton(const QWidget* widget)
{
    if (widget == nullptr)
        return false;
    const QString name = QString::fromLatin1(widget->metaObject()->className()).toUpper();
    return name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON"));
}

} // namespace

SkinButton::SkinButton(QWidget* parent) : CustomButton(parent, HorizontalAlignment::Center, ButtonFace, Gray)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SkinButton::SetDefault(bool value)
{
    default_ = value;
    WatchWindowKeys();
}

void SkinButton::SetCancel(bool value)
{
    cancel_ = value;
    WatchWindowKeys();
}

void SkinButton::SetModalResult(DialogResult value)
{
    modalResult_ = value;
    kind_ = ButtonKind::Custom;
}

void SkinButton::SetKind(ButtonKind value)
{
    kind_ = value;
    const auto info = KindInfoOf(value);
    if (!info)
        return;
    SetGlyph(ResourceBitmap(QString::fromLatin1(info->Resource.data(), static_cast<int>(info->Resource.size()))));
    SetNumGlyphs(2);
    modalResult_ = info->Result;
    SetCaption(QString::fromUtf8(info->Caption.data(), static_cast<int>(info->Caption.size())));
}

void SkinButton::Click()
{
    if (!isVisible() || !isEnabled())
        return;
    pressed_ = false;
    update();
    const QPointer<SkinButton> alive(this);
    emit OnClick();
    if (alive == nullptr)
        return;
    if (modalResult_ != DialogResult::None)
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(static_cast<int>(modalResult_));
    if (PopupMenu() != nullptr)
        PopupMenu()->popup(mapToGlobal(QPoint(0, height())));
}

void SkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool focused = hasFocus();
    const bool old = Look().Style == ButtonStyle::Old;
    if (focused && old) {
        painter.fillRect(rect(), Qt::black);
        painter.translate(1, 1);
        PaintButton(painter, size() - QSize(2, 2), Look(), DrawState(pressed_));
        painter.translate(-1, -1);
    } else {
        PaintButton(painter, size(), Look(), DrawState(pressed_));
    }
    if (focused && isEnabled() && Look().Style != ButtonStyle::Shape) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    pressed_ = true;
    setFocus(Qt::MouseFocusReason);
    update();
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    Click();
}

void SkinButton::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (!IsPressKey(event->key()) || !plain) {
        CustomButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        pressed_ = true;
        update();
    }
}

void SkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!IsPressKey(event->key()) || event->isAutoRepeat()) {
        CustomButton::keyReleaseEvent(event);
        return;
    }
    if (pressed_)
        Click();
}

void SkinButton::focusInEvent(QFocusEvent* event)
{
    CustomButton::focusInEvent(event);
    update();
}

void SkinButton::focusOutEvent(QFocusEvent* event)
{
    CustomButton::focusOutEvent(event);
    pressed_ = false;
    update();
}

void SkinButton::showEvent(QShowEvent* event)
{
    CustomButton::showEvent(event);
    WatchWindowKeys();
}

void SkinButton::AcceleratorPressed()
{
    Click();
}

// Enter and Escape reach the window when the focused control does not take them.
void SkinButton::WatchWindowKeys()
{
    QWidget* form = window();
    if (form == this)
        return;
    form->removeEventFilter(this);
    if (default_ || cancel_)
        form->installEventFilter(this);
}

bool SkinButton::HandlesWindowKey(const QKeyEvent& key) const
{
    if (!isVisible() || !isEnabled() || IsPushButton(QApplication::focusWidget()))
        return false;
    if (IsEnterKey(key.key()))
        return default_;
    const auto modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return key.key() == Qt::Key_Escape && cancel_ && modifiers == Qt::NoModifier;
}

bool SkinButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandlesWindowKey(*static_cast<QKeyEvent*>(event))) {
        Click();
        return true;
    }
    return CustomButton::eventFilter(watched, event);
}

} // namespace widgets::controls
