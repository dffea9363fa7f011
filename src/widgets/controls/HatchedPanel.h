// HatchedPanel: a panel covered by a tiled or stretched picture, or by its colour (or by nothing,
// letting its parent show through), with no border, a flat border or the standard bevels, its
// caption on a panel without a picture; it can hand its enabled state to the controls placed
// directly on it.
#pragma once

#include "widgets/controls/BevelPanel.h"

namespace widgets::controls {

// How the picture covers its area. Tiles start at the area's top-left corner and are drawn
// whole, the last of a row or column running past the area's right or bottom edge.
enum class HatchMode { Tiled, Stretched };

enum class PanelBorder {
    None,
    Flat,   // BevelWidth pixels in BorderColor
    Bevels, // the standard panel's outer bevel, border and inner bevel
};

class HatchedPanel : public BevelPanel {
    Q_OBJECT
public:
    explicit HatchedPanel(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    // Copies the picture; the caption is emptied.
    void SetPicture(const QImage& value);
    HatchMode Mode() const { return mode_; }
    void SetMode(HatchMode value);
    PanelBorder Border() const { return border_; }
    void SetBorder(PanelBorder value);
    model::look::RgbColor BorderColor() const { return borderColor_; }
    void SetBorderColor(model::look::RgbColor value);
    // The picture covers the whole panel, under the border, or (set) leaves a rim of BevelWidth
    // pixels in the panel's colour.
    bool PictureInsideBevel() const { return pictureInsideBevel_; }
    void SetPictureInsideBevel(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // Enabling or disabling the panel enables or disables the controls placed directly on it.
    bool ControlEnabled() const { return controlEnabled_; }
    void SetControlEnabled(bool value) { controlEnabled_ = value; }

protected:
    // Everything but what a derived panel draws on top.
    void PaintHatchedPanel(QPainter& painter) const;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void DrawPicture(QPainter& painter, const QRect& area) const;

    QImage picture_;
    HatchMode mode_ = HatchMode::Tiled;
    PanelBorder border_ = PanelBorder::None;
    model::look::RgbColor borderColor_ = model::look::Black;
    bool pictureInsideBevel_ = false;
    bool transparent_ = false;
    bool controlEnabled_ = false;
};

} // namespace widgets::controls
