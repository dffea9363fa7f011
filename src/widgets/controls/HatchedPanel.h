// HatchedPanel: a panel that paints everything itself: a tiled or stretched bitmap or its
// colour (or nothing, letting its parent show through), one of three borders, and optionally
// hands its enabled state to the controls placed directly on it.
#pragma once

#include "widgets/controls/BevelPanel.h"

namespace widgets {

enum class BorderMode { bmNone, bmOriginal, bmFlat };

class HatchedPanel : public BevelPanel {
    Q_OBJECT
public:
    explicit HatchedPanel(QWidget* parent = nullptr);

    const QImage& Bitmap() const { return bitmap_; }
    // Copies the picture; the plain caption is emptied.
    void SetBitmap(const QImage& value);
    BevelHatchMode Mode() const { return mode_; }
    void SetMode(BevelHatchMode value);
    BorderMode Borders() const { return borders_; }
    void SetBorders(BorderMode value);
    RgbColor BorderColor() const { return borderColor_; }
    void SetBorderColor(RgbColor value);
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
    BevelHatchMode mode_ = BevelHatchMode::hmTiled;
    BorderMode borders_ = BorderMode::bmNone;
    RgbColor borderColor_ = Black;
    bool transparent_ = false;
    bool controlEnabled_ = false;
};

} // namespace widgets
