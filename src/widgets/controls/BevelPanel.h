// BevelPanel: the standard panel the hatched panel and the clock build on: a background
// colour, an outer and an inner bevel, a bevel width, a border width and a caption.
#pragma once

#include "model/look/Colors.h"

#include <QWidget>

class QPainter;

namespace widgets::controls {

enum class BevelCut { None, Lowered, Raised, Space };

class BevelPanel : public QWidget {
    Q_OBJECT
public:
    explicit BevelPanel(QWidget* parent = nullptr);

    model::look::RgbColor Color() const { return color_; }
    void SetColor(model::look::RgbColor value);
    BevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(BevelCut value);
    BevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(BevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

protected:
    QColor BackgroundColor() const;
    // Outer bevel, border in the panel colour, inner bevel, each inside the one before; `r`
    // shrinks to what is left inside.
    void PaintStandardFrame(QPainter& painter, QRect& r) const;
    // The caption centred in `r`.
    void PaintCaption(QPainter& painter, const QRect& r) const;
    // Background, frame and centred caption.
    void PaintStandardPanel(QPainter& painter) const;

private:
    model::look::RgbColor color_ = model::look::ButtonFace;
    BevelCut bevelOuter_ = BevelCut::Raised;
    BevelCut bevelInner_ = BevelCut::None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    QString caption_;
};

// A 3-D frame `width` pixels wide inside `r`: top and left edges in one colour, right and
// bottom edges in the other; `r` shrinks to what is left inside.
void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width);

// A one-colour frame `width` pixels wide just inside `r`; `r` shrinks to what is left inside.
void FrameRect(QPainter& painter, QRect& r, const QColor& color, int width);

} // namespace widgets::controls
