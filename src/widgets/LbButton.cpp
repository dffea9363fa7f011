#include "widgets/LbButton.h"

#include "widgets/ResourceBitmaps.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>

namespace widgets {

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

TLbButton::TLbButton(QWidget* parent)
    : TLbCustomButton(parent, TAlignment::taCenter, clBtnFace, clGray)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TLbButton::SetDefault(bool value)
{
    default_ = value;
    WatchWindowKeys();
}

void TLbButton::SetCancel(bool value)
{
    cancel_ = value;
    WatchWindowKeys();
}

void TLbButton::SetModalResult(int value)
{
    modalResult_ = value;
    kind_ = TLbButtonKind::bkCustom;
}

void TLbButton::SetKind(TLbButtonKind value)
{
    kind_ = value;
    const auto info = KindInfoOf(value);
    if (!info)
        return;
    SetGlyph(ResourceBitmap(QString::fromLatin1(info->Resource.data(), static_cast<int>(info->Resource.size()))));
    SetNumGlyphs(2);
    modalResult_ = info->ModalResult;
    SetCaption(QString::fromUtf8(info->Caption.data(), static_cast<int>(info->Caption.size())));
}

void TLbButton::Click()
{
    if (!isVisible() || !isEnabled())
        return;
    pressed_ = false;
    update();
    const QPointer<TLbButton> alive(this);
    emit OnClick();
    if (alive == nullptr)
        return;
    if (modalResult_ != mrNone)
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(modalResult_);
    if (PopupMenu() != nullptr)
        PopupMenu()->popup(mapToGlobal(QPoint(0, height())));
}

void TLbButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool focused = hasFocus();
    const bool old = Look().Style == TLbButtonStyle::bsOld;
    if (focused && old) {
        painter.fillRect(rect(), Qt::black);
        painter.translate(1, 1);
        PaintLbButton(painter, size() - QSize(2, 2), Look(), DrawState(pressed_));
        painter.translate(-1, -1);
    } else {
        PaintLbButton(painter, size(), Look(), DrawState(pressed_));
    }
    if (focused && isEnabled() && Look().Style != TLbButtonStyle::bsShape) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void TLbButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    pressed_ = true;
    setFocus(Qt::MouseFocusReason);
    update();
}

void TLbButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    Click();
}

void TLbButton::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (!IsPressKey(event->key()) || !plain) {
        TLbCustomButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        pressed_ = true;
        update();
    }
}

void TLbButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!IsPressKey(event->key()) || event->isAutoRepeat()) {
        TLbCustomButton::keyReleaseEvent(event);
        return;
    }
    if (pressed_)
        Click();
}

void TLbButton::focusInEvent(QFocusEvent* event)
{
    TLbCustomButton::focusInEvent(event);
    update();
}

void TLbButton::focusOutEvent(QFocusEvent* event)
{
    TLbCustomButton::focusOutEvent(event);
    pressed_ = false;
    update();
}

void TLbButton::showEvent(QShowEvent* event)
{
    TLbCustomButton::showEvent(event);
    WatchWindowKeys();
}

void TLbButton::AcceleratorPressed()
{
    Click();
}

// Enter and Escape reach the window when the focused control does not take them.
void TLbButton::WatchWindowKeys()
{
    QWidget* form = window();
    if (form == this)
        return;
    form->removeEventFilter(this);
    if (default_ || cancel_)
        form->installEventFilter(this);
}

bool TLbButton::HandlesWindowKey(const QKeyEvent& key) const
{
    if (!isVisible() || !isEnabled() || IsPushButton(QApplication::focusWidget()))
        return false;
    if (IsEnterKey(key.key()))
        return default_;
    const auto modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return key.key() == Qt::Key_Escape && cancel_ && modifiers == Qt::NoModifier;
}

bool TLbButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandlesWindowKey(*static_cast<QKeyEvent*>(event))) {
        Click();
        return true;
    }
    return TLbCustomButton::eventFilter(watched, event);
}

} // namespace widgets
