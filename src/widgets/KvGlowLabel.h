// TKvGlowLabel: a label whose text gets a one-pixel halo in GlowColor while the mouse is over it
// (or always).
#pragma once

#include "widgets/Colors.h"
#include "widgets/LbStyles.h"

#include <QWidget>

namespace widgets {

class TKvGlowLabel : public QWidget {
    Q_OBJECT
public:
    explicit TKvGlowLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TColor GlowColor() const { return glowColor_; }
    void SetGlowColor(TColor value);
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
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool transparent_ = false;
    TColor color_ = clDefault;
    bool showAccelChar_ = true;
    TColor glowColor_ = clWhite;
    bool glowAlways_ = false;
    bool hot_ = false;
};

} // namespace widgets
