#include "widgets/LbSpeedButton.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace widgets {

TLbSpeedButton::TLbSpeedButton(QWidget* parent) : TLbCustomButton(parent, TAlignment::taLeftJustify, clDefault, clBlack)
{
    setFocusPolicy(Qt::NoFocus);
}

void TLbSpeedButton::SetDown(bool value)
{
    if (value && groupIndex_ != 0 && parentWidget() != nullptr)
        for (auto* other : parentWidget()->findChildren<TLbSpeedButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->update();
            }
    down_ = value;
    update();
}

void TLbSpeedButton::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void TLbSpeedButton::SetStyle(TLbButtonStyle value)
{
    if (value == TLbButtonStyle::bsModern) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && screen->depth() <= 8)
            value = TLbButtonStyle::bsNormal;
        else
            SetAlignment(TAlignment::taCenter);
    }
    TLbCustomButton::SetStyle(value);
}

void TLbSpeedButton::Click()
{
    if (PopupMenu() != nullptr)
        PopupMenu()->popup(mapToGlobal(QPoint(0, height())));
    emit OnClick();
}

void TLbSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TLbButtonState state = DrawState(down_);
    state.Transparent = transparent_;
    PaintLbButton(painter, size(), Look(), state);
}

void TLbSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    mousePressed_ = true;
    if (groupIndex_ == 0)
        SetDown(true);
    else if (!down_)
        SetDown(true);
    else if (allowAllUp_)
        SetDown(false);
}

void TLbSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mousePressed_)
        return;
    mousePressed_ = false;
    if (groupIndex_ == 0)
        SetDown(false);
    if (rect().contains(event->position().toPoint()))
        Click();
}

void TLbSpeedButton::AcceleratorPressed()
{
    const bool wasDown = down_;
    down_ = true;
    repaint();
    const QPointer<TLbSpeedButton> alive(this);
    Click();
    if (alive == nullptr) // the click closed the window
        return;
    down_ = wasDown;
    update();
}

} // namespace widgets
