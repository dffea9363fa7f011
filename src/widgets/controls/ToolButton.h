// ToolButton: the flat, transparent toolbar button of the windows that sit on skin pictures:
// a glyph above or beside a white caption, a soft lit look while the mouse is over it and a
// sunken one while pressed. Tab reaches it and Space or Enter presses it.
#pragma once

#include "widgets/controls/ButtonStyles.h"

#include <QImage>
#include <QWidget>

namespace widgets::controls {

class ToolButton : public QWidget {
    Q_OBJECT
public:
    explicit ToolButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    // One picture; its bottom-left pixel's colour is transparent. A disabled button fades it.
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& value);
    // GlyphTop or GlyphLeft (the others draw as GlyphLeft).
    ButtonLayout Layout() const { return layout_; }
    void SetLayout(ButtonLayout value);
    // Space between the edge and the glyph and caption.
    int Margin() const { return margin_; }
    void SetMargin(int value);

    bool IsHot() const { return hot_; }
    bool IsPressed() const { return pressed_; }

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseExit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PaintPlate(QPainter& painter) const;

    QString caption_;
    QImage glyph_;
    QImage shownGlyph_; // the glyph with its key colour made transparent
    ButtonLayout layout_ = ButtonLayout::GlyphTop;
    int margin_ = 3;
    bool hot_ = false;
    bool pressed_ = false;
};

} // namespace widgets::controls
