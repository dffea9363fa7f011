// SpeedButton: an owner-drawn button that a click leaves the focus elsewhere (Tab reaches it and
// Space or Enter presses it), can stay pressed and can work in a group of buttons of which at
// most one is down.
#pragma once

#include "widgets/controls/CustomButton.h"

namespace widgets::controls {

class SpeedButton : public CustomButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    bool Down() const { return down_; }
    // Putting a grouped button down releases the others of its group under the same parent.
    void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value) { allowAllUp_ = value; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // Modern falls back to Normal on screens of 8 bits per pixel or fewer, and centres.
    void SetStyle(ButtonStyle value) override;

    // Shows the popup menu, if any, below the button, then raises OnClick.
    void Click();
    // What a mouse click does, for the keyboard and assistive technology: an ungrouped button
    // goes down and up again, a grouped one goes down (or up, when all may be up), then Click.
    void Press();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void AcceleratorPressed() override;

private:
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool transparent_ = false;
    bool mousePressed_ = false;
};

} // namespace widgets::controls
