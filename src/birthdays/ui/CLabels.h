// TOHSymbLabel: a one-line label whose caption carries its own mark-up (birthdays/SymbMarkup.h):
// runs cut at "$", each in the label's font or in one of its three further fonts.
#pragma once

#include "birthdays/SymbMarkup.h"

#include <QColor>
#include <QFont>
#include <QWidget>

namespace birthdays {

// A font with the colour its text is drawn in.
struct TLabelFont {
    QFont Font;
    QColor Color = Qt::black;
};

class TOHSymbLabel : public QWidget {
    Q_OBJECT
public:
    explicit TOHSymbLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The label's own font is the widget's font, drawn in FontColor.
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    const TLabelFont& SmallFont() const { return small_; }
    void SetSmallFont(const TLabelFont& font);
    const TLabelFont& StrongFont() const { return strong_; }
    void SetStrongFont(const TLabelFont& font);
    const TLabelFont& SymbolFont() const { return symbol_; }
    void SetSymbolFont(const TLabelFont& font);
    // Transparent: the parent shows through; otherwise the label fills itself with Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLabelFont FontOf(TSymbFont font) const;

    QString caption_;
    QColor fontColor_ = Qt::black;
    TLabelFont small_;
    TLabelFont strong_;
    TLabelFont symbol_;
    bool transparent_ = false;
    QColor color_;
};

} // namespace birthdays
