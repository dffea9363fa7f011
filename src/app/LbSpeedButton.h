// A stand-in for the toolbar widgets' TLbSpeedButton until it joins the build: a flat,
// transparent, non-focusable button with a centred caption whose "&" marks the accelerator,
// drawn in the rounded "modern" style.
#pragma once

#include <QAbstractButton>

class TLbSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TLbSpeedButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hot_ = false;
};
