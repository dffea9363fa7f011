// What SpeedButton and SkinButton share: their published look, hot tracking, the accelerator
// of the caption, and the one routine that draws both.
#pragma once

#include "widgets/controls/ButtonStyles.h"

#include <QFont>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>

class QFontMetrics;
class QPainter;

namespace widgets::controls {

// The properties that decide how a button looks.
struct ButtonLook {
    HorizontalAlignment Alignment = HorizontalAlignment::Left;
    QString Caption;
    model::look::RgbColor Color = model::look::DefaultColor; // DefaultColor: the parent's colour
    model::look::RgbColor ColorWhenDown = model::look::NoColor;
    bool Flat = false;
    QImage Glyph;
    int NumGlyphs = 0;
    model::look::RgbColor HotTrackColor = model::look::NoColor;
    QFont HotTrackFont;
    bool UseHotTrackFont = false;
    ButtonLayout Layout = ButtonLayout::GlyphLeft;
    model::look::RgbColor LightColor = model::look::White;
    model::look::RgbColor ShadowColor = model::look::Black;
    ButtonStyle Style = ButtonStyle::Normal;
    bool WordWrap = false;
};

// The state a button is drawn in.
struct ButtonState {
    bool Enabled = true;
    bool Hot = false;
    int HotStep = 0; // 0 or 8
    bool Down = false;
    bool Transparent = false; // leave the face unpainted (speed buttons only)
    bool HasPopup = false;
    QFont Font;
    QColor FontColor = Qt::black;
    QColor ParentColor = Qt::lightGray; // what DefaultColor stands for
};

// The caption cut from its end until it is at most `limit` wide (no ellipsis).
QString FittedCaption(const QString& caption, const QFontMetrics& metrics, int limit);

// Draws a button of `size` at the painter's origin; pixels it leaves alone show what is behind.
void PaintButton(QPainter& painter, QSize size, const ButtonLook& look, const ButtonState& state);

// The base of both buttons: the common properties and behaviour.
class CustomButton : public QWidget {
    Q_OBJECT
public:
    HorizontalAlignment Alignment() const { return look_.Alignment; }
    void SetAlignment(HorizontalAlignment value);
    QString Caption() const { return look_.Caption; }
    void SetCaption(const QString& value);
    model::look::RgbColor Color() const { return look_.Color; }
    void SetColor(model::look::RgbColor value);
    ButtonColorStyle ColorStyle() const { return colorStyle_; }
    void SetColorStyle(ButtonColorStyle value);
    model::look::RgbColor ColorWhenDown() const { return look_.ColorWhenDown; }
    void SetColorWhenDown(model::look::RgbColor value);
    bool Flat() const { return look_.Flat; }
    void SetFlat(bool value);
    const QImage& Glyph() const { return look_.Glyph; }
    // Also sets NumGlyphs to the glyph's width divided by its height.
    void SetGlyph(const QImage& value);
    int NumGlyphs() const { return look_.NumGlyphs; }
    void SetNumGlyphs(int value);
    model::look::RgbColor HotTrackColor() const { return look_.HotTrackColor; }
    void SetHotTrackColor(model::look::RgbColor value);
    QFont HotTrackFont() const { return look_.HotTrackFont; }
    void SetHotTrackFont(const QFont& value);
    bool UseHotTrackFont() const { return look_.UseHotTrackFont; }
    void SetUseHotTrackFont(bool value);
    ButtonLayout Layout() const { return look_.Layout; }
    void SetLayout(ButtonLayout value);
    model::look::RgbColor LightColor() const { return look_.LightColor; }
    void SetLightColor(model::look::RgbColor value);
    model::look::RgbColor ShadowColor() const { return look_.ShadowColor; }
    void SetShadowColor(model::look::RgbColor value);
    ButtonStyle Style() const { return look_.Style; }
    virtual void SetStyle(ButtonStyle value);
    bool WordWrap() const { return look_.WordWrap; }
    void SetWordWrap(bool value);
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu);

    bool IsHot() const { return hot_; }

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseExit();

protected:
    CustomButton(QWidget* parent, HorizontalAlignment alignment, model::look::RgbColor color,
                 model::look::RgbColor shadowColor);

    // Drawing state common to both buttons; `down` as the subclass sees it.
    ButtonState DrawState(bool down) const;
    const ButtonLook& Look() const { return look_; }
    // The accelerator of the caption was pressed on an enabled, visible button.
    virtual void AcceleratorPressed() = 0;
    bool IsReachable() const;

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ButtonLook look_;
    ButtonColorStyle colorStyle_ = ButtonColorStyle::Custom;
    QPointer<QMenu> popupMenu_;
    bool hot_ = false;
    int hotStep_ = 0;
    int shortcutId_ = 0;
};

} // namespace widgets::controls
