// SkinButton: the focusable owner-drawn push button, with default and cancel keys, a modal
// result for its dialog and ready-made kinds (OK, Cancel, ...).
#pragma once

#include "widgets/controls/CustomButton.h"

namespace widgets::controls {

class SkinButton : public CustomButton {
    Q_OBJECT
public:
    explicit SkinButton(QWidget* parent = nullptr);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value);
    DialogResult ModalResult() const { return modalResult_; }
    // Makes the button a custom one (Kind Custom); the caption and glyph stay.
    void SetModalResult(DialogResult value);
    ButtonKind Kind() const { return kind_; }
    // A kind other than Custom sets the glyph (two cells), the modal result and the caption.
    void SetKind(ButtonKind value);

    // On a visible, enabled button: raises OnClick, hands ModalResult to its dialog, then shows
    // the popup menu, if any, below the button.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void AcceleratorPressed() override;

private:
    void WatchWindowKeys();
    bool HandlesWindowKey(const QKeyEvent& key) const;

    bool default_ = false;
    bool cancel_ = false;
    DialogResult modalResult_ = DialogResult::None;
    ButtonKind kind_ = ButtonKind::Custom;
    bool pressed_ = false;
};

} // namespace widgets::controls
