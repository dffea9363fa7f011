#include "widgets/controls/CustomButton.h"

#include "widgets/controls/AccessibleControls.h"

#include "widgets/controls/BevelPanel.h"
#include "widgets/controls/QtColors.h"
#include "widgets/controls/ResourceBitmaps.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QShortcutEvent>

using model::look::Black;
using model::look::DarkShadow3D;
using model::look::NoColor;
using model::look::RgbColor;
using model::look::White;

namespace widgets::controls {

namespace {

using enum ButtonStyle;

void Line(QPainter& painter, int x, int y, int width, int height, RgbColor color)
{
    painter.fillRect(x, y, width, height, ToQColor(color));
}

void Frame3D(QPainter& painter, QRect r, RgbColor topLeft, RgbColor bottomRight)
{
    widgets::controls::Frame3D(painter, r, ToQColor(topLeft), ToQColor(bottomRight), 1);
}

// A one-pixel frame over the whole button with its corners rounded off.
void RoundedFrame(QPainter& painter, int width, int height, RgbColor color)
{
    Line(painter, 2, 0, width - 4, 1, color);
    Line(painter, 2, height - 1, width - 4, 1, color);
    Line(painter, 0, 2, 1, height - 4, color);
    Line(painter, width - 1, 2, 1, height - 4, color);
    for (const QPoint corner : {QPoint(1, 1), QPoint(width - 2, 1), QPoint(1, height - 2), QPoint(width - 2, height - 2)})
        Line(painter, corner.x(), corner.y(), 1, 1, color);
}

void PaintBackground(QPainter& painter, int width, int height, int offset, const ButtonLook& look, RgbColor face,
                     RgbColor light)
{
    if (look.Style != Modern) {
        Line(painter, 0, 0, width, height, face);
        return;
    }
    const int middle = height / 4 + offset;
    for (const auto& band : GradientBands(2, middle, light, face))
        Line(painter, 2, band.Top, width - 4, band.Height, band.Color);
    for (const auto& band : GradientBands(middle, height - 1, face, light))
        Line(painter, 2, band.Top, width - 4, band.Height, band.Color);
}

void PaintFrame(QPainter& painter, int width, int height, const ButtonLook& look, const ButtonState& state,
                bool down, RgbColor face, RgbColor light, RgbColor shadow)
{
    const QRect all(0, 0, width, height);
    const bool framed = state.Enabled ? !look.Flat || state.Hot || down : !look.Flat;
    switch (look.Style) {
    case Normal:
    case BoldWhenDown:
        if (framed)
            Frame3D(painter, all, down ? shadow : light, down ? light : shadow);
        break;
    case Old:
        if (framed) {
            const RgbColor dark = ResolvedColor(DarkShadow3D, Black);
            Frame3D(painter, all, down ? dark : light, down ? light : dark);
            if (down) {
                Line(painter, 1, 1, width - 2, 1, shadow);
                Line(painter, 1, 1, 1, height - 2, shadow);
            } else {
                Line(painter, 1, height - 2, width - 2, 1, shadow);
                Line(painter, width - 2, 1, 1, height - 2, shadow);
            }
        }
        break;
    case Modern: {
        QRect inner(1, 1, width - 2, height - 2);
        FrameRect(painter, inner, ToQColor(down ? shadow : face), 1);
        RoundedFrame(painter, width, height, shadow);
        break;
    }
    case Shape:
        break;
    }
}

RgbColor OrNone(RgbColor color, RgbColor parent)
{
    return color == NoColor ? NoColor : ResolvedColor(color, parent);
}

} // namespace

QString FittedCaption(const QString& caption, const QFontMetrics& metrics, int limit)
{
    const std::size_t length = FittingCaptionLength(static_cast<std::size_t>(caption.size()), limit, [&](std::size_t n) {
        return metrics.size(Qt::TextShowMnemonic, caption.left(static_cast<int>(n))).width();
    });
    return caption.left(static_cast<int>(length));
}

void PaintButton(QPainter& painter, QSize size, const ButtonLook& look, const ButtonState& state)
{
    const int width = size.width();
    const int height = size.height();
    const bool down = state.Down && state.Enabled;
    const RgbColor parent = FromQColor(state.ParentColor);
    const RgbColor light = ResolvedColor(look.LightColor, White);
    const RgbColor shadow = ResolvedColor(look.ShadowColor, Black);
    const RgbColor face = FaceColor(ResolvedColor(look.Color, parent), OrNone(look.HotTrackColor, parent),
                                  OrNone(look.ColorWhenDown, parent), state.Enabled, state.HotStep, down);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int offset = down && look.Style != BoldWhenDown ? 1 : 0;
    if (look.Style != Shape && !state.Transparent)
        PaintBackground(painter, width, height, offset, look, face, light);
    PaintFrame(painter, width, height, look, state, down, face, light, shadow);

    QFont font = state.Hot && look.UseHotTrackFont ? look.HotTrackFont : state.Font;
    if (look.Style == BoldWhenDown && down)
        font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);

    // Glyph sizes in window pixels; a sharp glyph has more device pixels (ratio).
    const bool hasGlyph = look.NumGlyphs > 0 && !look.Glyph.isNull();
    const QSize glyphSize = look.Glyph.deviceIndependentSize().toSize();
    const int gw = hasGlyph ? glyphSize.width() / look.NumGlyphs : 0;
    const int gh = hasGlyph ? glyphSize.height() : 0;
    const int limit = CaptionWidthLimit(width, gw, look.Layout);
    constexpr int TextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QString caption = look.WordWrap ? look.Caption : FittedCaption(look.Caption, metrics, limit);
    const QRect measured = caption.isEmpty() ? QRect()
                                             : metrics.boundingRect(QRect(0, 0, limit, 1 << 16),
                                                                    TextFlags | Qt::AlignLeft, caption);

    const ButtonPlacement place =
        PlaceGlyphAndCaption({width, height, gw, gh, measured.width(), measured.height(), !caption.isEmpty(),
                              down, look.WordWrap, look.Style, look.Layout, look.Alignment});
    if (hasGlyph) {
        const int cell = GlyphCell(look.NumGlyphs, state.Enabled, state.Hot, down);
        const qreal ratio = look.Glyph.devicePixelRatio();
        const QRect cellPixels = QRectF(cell * gw * ratio, 0, gw * ratio, gh * ratio).toRect();
        painter.drawImage(place.GlyphX, place.GlyphY, WithBottomLeftTransparent(look.Glyph.copy(cellPixels)));
    }
    if (!caption.isEmpty()) {
        const bool gray = !state.Enabled && look.Style != Shape;
        painter.setPen(gray ? QColor(0x80, 0x80, 0x80) : state.FontColor);
        const QRect box = look.Style == Shape
                              ? QRect(place.TextX, place.TextY, width - place.TextX, height - place.TextY)
                              : QRect(place.TextX, place.TextY, place.TextWidthLimit, measured.height());
        const Qt::Alignment align = look.Style == Shape ? Qt::AlignHCenter : ToQtAlignment(look.Alignment);
        painter.drawText(box, TextFlags | align | Qt::AlignTop, caption);
    }
    if (state.HasPopup)
        painter.drawImage(width - 11, height / 2 - 1,
                          WithBottomLeftTransparent(ResourceBitmap(QStringLiteral("LBARROW"))));
    painter.restore();
}

CustomButton::CustomButton(QWidget* parent, HorizontalAlignment alignment, RgbColor color, RgbColor shadowColor)
    : QWidget(parent)
{
    RegisterAccessibleControls();
    look_.Alignment = alignment;
    look_.Color = color;
    look_.ShadowColor = shadowColor;
    look_.HotTrackFont = parent != nullptr ? parent->window()->font() : font();
    resize(100, 23);
}

#define LB_SETTER(Name, Type, field)                                                                                  \
    void CustomButton::Set##Name(Type value)                                                                       \
    {                                                                                                                 \
        look_.field = value;                                                                                          \
        update();                                                                                                     \
    }
LB_SETTER(Alignment, HorizontalAlignment, Alignment)
LB_SETTER(Color, RgbColor, Color)
LB_SETTER(ColorWhenDown, RgbColor, ColorWhenDown)
LB_SETTER(Flat, bool, Flat)
LB_SETTER(NumGlyphs, int, NumGlyphs)
LB_SETTER(HotTrackColor, RgbColor, HotTrackColor)
LB_SETTER(HotTrackFont, const QFont&, HotTrackFont)
LB_SETTER(UseHotTrackFont, bool, UseHotTrackFont)
LB_SETTER(Layout, ButtonLayout, Layout)
LB_SETTER(LightColor, RgbColor, LightColor)
LB_SETTER(ShadowColor, RgbColor, ShadowColor)
LB_SETTER(Style, ButtonStyle, Style)
LB_SETTER(WordWrap, bool, WordWrap)
#undef LB_SETTER

void CustomButton::SetCaption(const QString& value)
{
    look_.Caption = value;
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    const QKeySequence accelerator = QKeySequence::mnemonic(value);
    shortcutId_ = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
    update();
}

void CustomButton::SetColorStyle(ButtonColorStyle value)
{
    colorStyle_ = value;
    const auto set = ColorSetOf(value);
    if (!set)
        return;
    look_.Color = set->Color;
    look_.LightColor = set->LightColor;
    look_.ShadowColor = set->ShadowColor;
    look_.HotTrackColor = set->HotTrackColor;
    look_.ColorWhenDown = set->ColorWhenDown;
    look_.Flat = set->Flat;
    SetStyle(set->Style);
}

void CustomButton::SetGlyph(const QImage& value)
{
    look_.Glyph = value;
    if (value.height() > 0)
        look_.NumGlyphs = value.width() / value.height();
    update();
}

void CustomButton::SetPopupMenu(QMenu* menu)
{
    popupMenu_ = menu;
    update();
}

ButtonState CustomButton::DrawState(bool down) const
{
    ButtonState state;
    state.Enabled = isEnabled();
    state.Hot = hot_;
    state.HotStep = hotStep_;
    state.Down = down;
    state.HasPopup = popupMenu_ != nullptr;
    state.Font = font();
    state.FontColor = palette().color(QPalette::WindowText);
    state.ParentColor = palette().color(QPalette::Window);
    return state;
}

bool CustomButton::IsReachable() const
{
    const QWidget* parent = parentWidget();
    return isEnabled() && isVisible() && (parent == nullptr || parent->isVisible());
}

bool CustomButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_ &&
        shortcutId_ != 0) {
        if (IsReachable())
            AcceleratorPressed();
        return true;
    }
    return QWidget::event(event);
}

void CustomButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!IsReachable())
        return;
    hot_ = true;
    hotStep_ = 8;
    update();
    emit OnMouseEnter();
}

void CustomButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    const bool wasHot = hot_;
    hot_ = false;
    hotStep_ = 0;
    update();
    if (wasHot && IsReachable())
        emit OnMouseExit();
}

void CustomButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
}

} // namespace widgets::controls
