// GlowLabel: a label whose text gets a one-pixel halo in GlowColor while the mouse is over it
// (or always).
#pragma once

#include "model/look/Colors.h"
#include "widgets/controls/ButtonStyles.h"

#include <QWidget>

namespace widgets::controls {

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
    model::look::RgbColor Color() const { return color_; }
    void SetColor(model::look::RgbColor value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    model::look::RgbColor GlowColor() const { return glowColor_; }
    void SetGlowColor(model::look::RgbColor value);
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
    model::look::RgbColor color_ = model::look::DefaultColor;
    bool showAccelChar_ = true;
    model::look::RgbColor glowColor_ = model::look::White;
    bool glowAlways_ = false;
    bool hot_ = false;
};

} // namespace widgets::controls
