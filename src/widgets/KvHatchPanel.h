// TKvHatchPanel: a panel that paints everything itself: a tiled or stretched bitmap or its
// colour (or nothing, letting its parent show through), one of three borders, and optionally
// hands its enabled state to the controls placed directly on it.
#pragma once

#include "widgets/CustomPanel.h"

namespace widgets {

enum class TKvBorderMode { bmNone, bmOriginal, bmFlat };

class TKvHatchPanel : public TCustomPanel {
    Q_OBJECT
public:
    explicit TKvHatchPanel(QWidget* parent = nullptr);

    const QImage& Bitmap() const { return bitmap_; }
    // Copies the picture; the plain caption is emptied.
    void SetBitmap(const QImage& value);
    TKvHatchMode Mode() const { return mode_; }
    void SetMode(TKvHatchMode value);
    TKvBorderMode Borders() const { return borders_; }
    void SetBorders(TKvBorderMode value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool ControlEnabled() const { return controlEnabled_; }
    void SetControlEnabled(bool value) { controlEnabled_ = value; }
    QString About() const;

signals:
    void OnBitMapChanged(QObject* sender);

protected:
    // Background and border; what a derived panel draws goes on top.
    void PaintHatchPanel(QPainter& painter) const;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QImage bitmap_;
    TKvHatchMode mode_ = TKvHatchMode::hmTiled;
    TKvBorderMode borders_ = TKvBorderMode::bmNone;
    TColor borderColor_ = clBlack;
    bool transparent_ = false;
    bool controlEnabled_ = false;
};

} // namespace widgets
