#include "widgets/controls/SpeedButton.h"

#include "widgets/controls/AccessibleControls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

using model::look::Black;
using model::look::DefaultColor;

namespace widgets::controls {

SpeedButton::SpeedButton(QWidget* parent)
    : CustomButton(parent, HorizontalAlignment::Left, DefaultColor, Black)
{
    setFocusPolicy(Qt::TabFocus);
}

void SpeedButton::SetDown(bool value)
{
    if (value && groupIndex_ != 0 && parentWidget() != nullptr)
        for (auto* other : parentWidget()->findChildren<SpeedButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->update();
            }
    down_ = value;
    update();
}

void SpeedButton::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void SpeedButton::SetStyle(ButtonStyle value)
{
    if (value == ButtonStyle::Modern) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && screen->depth() <= 8)
            value = ButtonStyle::Normal;
        else
            SetAlignment(HorizontalAlignment::Center);
    }
    CustomButton::SetStyle(value);
}

void SpeedButton::Click()
{
    if (PopupMenu() != nullptr)
        PopupMenu()->popup(mapToGlobal(QPoint(0, height())));
    emit OnClick();
}

void SpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ButtonState state = DrawState(down_);
    state.Transparent = transparent_;
    PaintButton(painter, size(), Look(), state);
    if (hasFocus())
        PaintFocusFrame(painter, rect());
}

void SpeedButton::keyPressEvent(QKeyEvent* event)
{
    if (PressesButton(*event))
        Press();
    else
        CustomButton::keyPressEvent(event);
}

void SpeedButton::Press()
{
    if (!isEnabled())
        return;
    if (groupIndex_ == 0) {
        AcceleratorPressed();
        return;
    }
    if (!down_)
        SetDown(true);
    else if (allowAllUp_)
        SetDown(false);
    Click();
}

void SpeedButton::focusInEvent(QFocusEvent* event)
{
    CustomButton::focusInEvent(event);
    update();
}

void SpeedButton::focusOutEvent(QFocusEvent* event)
{
    CustomButton::focusOutEvent(event);
    update();
}

void SpeedButton::mousePressEvent(QMouseEvent* event)
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

void SpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mousePressed_)
        return;
    mousePressed_ = false;
    if (groupIndex_ == 0)
        SetDown(false);
    if (rect().contains(event->position().toPoint()))
        Click();
}

void SpeedButton::AcceleratorPressed()
{
    const bool wasDown = down_;
    down_ = true;
    repaint();
    const QPointer<SpeedButton> alive(this);
    Click();
    if (alive == nullptr) // the click closed the window
        return;
    down_ = wasDown;
    update();
}

} // namespace widgets::controls
