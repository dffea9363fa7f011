// StatusLineLabel: a one-line label whose caption carries its own mark-up (SymbolMarkup.h): runs
// cut at "$", each in the label's font or in one of its three further fonts.
#pragma once

#include "model/birthdays/SymbolMarkup.h"

#include <QColor>
#include <QFont>
#include <QWidget>

namespace windows::keeper {

// A font with the colour its text is drawn in.
struct LabelFont {
    QFont Font;
    QColor Color = Qt::black;
};

class StatusLineLabel : public QWidget {
    Q_OBJECT
public:
    explicit StatusLineLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The label's own font is the widget's font, drawn in FontColor.
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    const LabelFont& SmallFont() const { return small_; }
    void SetSmallFont(const LabelFont& font);
    const LabelFont& StrongFont() const { return strong_; }
    void SetStrongFont(const LabelFont& font);
    const LabelFont& SymbolFont() const { return symbol_; }
    void SetSymbolFont(const LabelFont& font);
    // Transparent: the parent shows through; otherwise the label fills itself with Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LabelFont FontOf(model::birthdays::RunFont font) const;

    QString caption_;
    QColor fontColor_ = Qt::black;
    LabelFont small_;
    LabelFont strong_;
    LabelFont symbol_;
    bool transparent_ = false;
    QColor color_;
};

} // namespace windows::keeper
