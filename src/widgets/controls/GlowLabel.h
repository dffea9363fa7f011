// GlowLabel: a label whose text gets a one-pixel halo in GlowColor while the mouse is over it
// (or always).
#pragma once

#include "model/look/Colors.h"
#include "widgets/controls/ButtonStyles.h"

#include <QWidget>

namespace widgets {

class GlowLabel : public QWidget {
    Q_OBJECT
public:
    explicit GlowLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    HorizontalAlignment Alignment() const { return alignment_; }
    void SetAlignment(HorizontalAlignment value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    RgbColor Color() const { return color_; }
    void SetColor(RgbColor value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    RgbColor GlowColor() const { return glowColor_; }
    void SetGlowColor(RgbColor value);
    bool GlowAlways() const { return glowAlways_; }
    void SetGlowAlways(bool value);
    bool IsHot() const { return hot_; }

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetHot(bool value);

    QString caption_;
    HorizontalAlignment alignment_ = HorizontalAlignment::Left;
    bool transparent_ = false;
    RgbColor color_ = DefaultColor;
    bool showAccelChar_ = true;
    RgbColor glowColor_ = White;
    bool glowAlways_ = false;
    bool hot_ = false;
};

} // namespace widgets
