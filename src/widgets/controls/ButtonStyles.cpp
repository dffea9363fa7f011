#include "widgets/controls/ButtonStyles.h"

#include <algorithm>
#include <cmath>

using model::look::Aqua;
using model::look::Black;
using model::look::BlendColor;
using model::look::Blue;
using model::look::BlueOf;
using model::look::ButtonFace;
using model::look::Gray;
using model::look::GreenOf;
using model::look::NoColor;
using model::look::Red;
using model::look::RedOf;
using model::look::RGBColor;
using model::look::RgbColor;
using model::look::Silver;
using model::look::White;

namespace widgets::controls {

std::optional<ButtonColorSet> ColorSetOf(ButtonColorStyle style)
{
    using enum ButtonStyle;
    switch (style) {
    case ButtonColorStyle::Custom:
        return std::nullopt;
    case ButtonColorStyle::Gold:
        return ButtonColorSet{RGBColor(0xC0, 0xC0, 0x00), RGBColor(0xFF, 0xFF, 0x00),
                              RGBColor(0x80, 0x80, 0x00), RGBColor(0xDF, 0xDF, 0x00), NoColor, false, Modern};
    case ButtonColorStyle::Chrome:
        return ButtonColorSet{Silver, White, Gray, NoColor, NoColor, false, Modern};
    case ButtonColorStyle::Blue:
        return ButtonColorSet{RGBColor(0x00, 0x80, 0xFF), Aqua, Blue, NoColor, NoColor, false, Modern};
    case ButtonColorStyle::Red:
        return ButtonColorSet{Red, RGBColor(0xFF, 0xC0, 0xC0), RGBColor(0xC0, 0x00, 0x00), NoColor, NoColor, false,
                              Modern};
    case ButtonColorStyle::UltraFlat1:
        return ButtonColorSet{ButtonFace, RGBColor(0x84, 0x92, 0xB5), RGBColor(0x84, 0x92, 0xB5),
                              RGBColor(0xD6, 0xD3, 0xDE), RGBColor(0x84, 0x92, 0xB5), true, Normal};
    case ButtonColorStyle::UltraFlat2:
        return ButtonColorSet{ButtonFace, Black, Black, RGBColor(0xE4, 0xF6, 0x8C), RGBColor(0xBC, 0xDA, 0x24),
                              true, Normal};
    case ButtonColorStyle::UltraFlatXP:
        return ButtonColorSet{RGBColor(0xDB, 0xD8, 0xD1), RGBColor(0x84, 0x92, 0xB5), RGBColor(0x85, 0x92, 0xB5),
                              RGBColor(0xB6, 0xBD, 0xD2), RGBColor(0x85, 0x92, 0xB5), true, Normal};
    case ButtonColorStyle::Aqua:
        return ButtonColorSet{RGBColor(0x94, 0xCE, 0xEC), RGBColor(0xD4, 0xE6, 0xFC), Black, NoColor, NoColor, false,
                              Modern};
    case ButtonColorStyle::Default:
        return ButtonColorSet{ButtonFace, White, Gray, NoColor, NoColor, false, Normal};
    }
    return std::nullopt;
}

std::optional<ButtonKindInfo> KindInfoOf(ButtonKind kind)
{
    using enum ButtonKind;
    switch (kind) {
    case Custom:
        return std::nullopt;
    case Ok:
        return ButtonKindInfo{DialogResult::Ok, "LBOK", "OK"};
    case Cancel:
        return ButtonKindInfo{DialogResult::Cancel, "LBCANCEL", "Abbrechen"};
    case Help:
        return ButtonKindInfo{DialogResult::None, "LBHELP", "Hilfe"};
    case Yes:
        return ButtonKindInfo{DialogResult::Yes, "LBYES", "Ja"};
    case No:
        return ButtonKindInfo{DialogResult::No, "LBNO", "Nein"};
    case Close:
        return ButtonKindInfo{DialogResult::None, "LBCLOSE", "Schlie\xC3\x9F" "en"};
    case Abort:
        return ButtonKindInfo{DialogResult::Abort, "LBABORT", "Abbrechen"};
    case Retry:
        return ButtonKindInfo{DialogResult::Retry, "LBRETRY", "Wiederholen"};
    case Ignore:
        return ButtonKindInfo{DialogResult::Ignore, "LBIGNORE", "Ignorieren"};
    case All:
        return ButtonKindInfo{DialogResult::All, "LBALL", "Alle"};
    }
    return std::nullopt;
}

int GlyphCell(int numGlyphs, bool enabled, bool hot, bool down)
{
    if (!enabled)
        return numGlyphs > 1 ? 1 : 0;
    if (down && numGlyphs > 2)
        return 2;
    if (hot && numGlyphs > 3)
        return 3;
    return 0;
}

RgbColor FaceColor(RgbColor color, RgbColor hotTrackColor, RgbColor colorWhenDown, bool enabled, int hotStep, bool down)
{
    RgbColor face = color;
    if (enabled && hotTrackColor != NoColor)
        face = BlendColor(color, hotTrackColor, hotStep / 8.0);
    if (down && colorWhenDown != NoColor)
        face = colorWhenDown;
    return face;
}

std::vector<GradientBand> GradientBands(int top, int bottom, RgbColor from, RgbColor to)
{
    constexpr int BandCount = 32;
    const int span = bottom - top;
    const auto channel = [](int a, int b, int k) {
        return static_cast<int>(std::lround(a + k * (b - a) / static_cast<double>(BandCount - 1)));
    };
    std::vector<GradientBand> bands;
    bands.reserve(BandCount);
    for (int k = 0; k < BandCount; ++k) {
        const int bandTop = top + k * span / (BandCount - 1);
        const int height = std::min(span / (BandCount - 1) + 1, bottom - bandTop);
        if (height <= 0)
            continue;
        bands.push_back({bandTop, height,
                         RGBColor(channel(RedOf(from), RedOf(to), k), channel(GreenOf(from), GreenOf(to), k),
                                  channel(BlueOf(from), BlueOf(to), k))});
    }
    return bands;
}

std::size_t FittingCaptionLength(std::size_t length, int limit, const std::function<int(std::size_t)>& widthOfPrefix)
{
    while (length > 0 && widthOfPrefix(length) > limit)
        --length;
    return length;
}

int CaptionWidthLimit(int width, int glyphWidth, ButtonLayout layout)
{
    int limit = width - 8;
    const bool beside = layout == ButtonLayout::GlyphLeft || layout == ButtonLayout::GlyphRight;
    if (glyphWidth > 0 && beside)
        limit -= glyphWidth + 4;
    return std::max(limit, 0);
}

ButtonPlacement PlaceGlyphAndCaption(const ButtonPlacementInput& in)
{
    using enum HorizontalAlignment;
    const int o = in.Down && in.Style != ButtonStyle::BoldWhenDown ? 1 : 0;
    const int width = in.Width;
    const int height = in.Height;
    const int gw = in.GlyphWidth;
    const int gh = in.GlyphHeight;
    const int th = in.TextHeight;
    const bool hasGlyph = gw > 0;
    const int b = in.HasCaption ? in.TextWidth + 4 : 0;

    ButtonPlacement p{o, 0, 0, o + 4, (height - th) / 2 + o, CaptionWidthLimit(width, gw, in.Layout)};
    if (in.Style == ButtonStyle::Shape) {
        p.GlyphX = (width - gw) / 2;
        p.GlyphY = (height - gh) / 2;
        p.TextX = o;
        p.TextWidthLimit = width - o;
        return p;
    }
    switch (in.Layout) {
    case ButtonLayout::GlyphLeft:
        if (hasGlyph)
            p.TextX += gw + 4;
        p.GlyphY = (height - gh) / 2 + o;
        p.GlyphX = o + 4;
        if (!in.WordWrap && in.Alignment == Right)
            p.GlyphX = width - 4 - gw - b + o;
        else if (!in.WordWrap && in.Alignment == Center)
            p.GlyphX = (width - gw) / 2 + o - b / 2;
        break;
    case ButtonLayout::GlyphRight:
        p.GlyphY = (height - gh) / 2 + o;
        p.GlyphX = o + 4 + b;
        if (!in.WordWrap && in.Alignment == Right)
            p.GlyphX = width - 4 + o - gw;
        else if (!in.WordWrap && in.Alignment == Center)
            p.GlyphX = (width - gw) / 2 + o + b / 2;
        break;
    case ButtonLayout::GlyphTop:
    case ButtonLayout::GlyphBottom: {
        const int bh = th + (hasGlyph ? gh + 4 : 0);
        if (in.Layout == ButtonLayout::GlyphTop) {
            p.GlyphY = (height - bh) / 2 + o;
            p.TextY = (height - bh) / 2 + gh + o;
        } else {
            p.TextY = (height - bh) / 2 + o;
            p.GlyphY = (height - bh) / 2 + th + o;
        }
        p.GlyphX = in.Alignment == Left    ? o + 4
                   : in.Alignment == Right ? width - gw - 4 + o
                                           : (width - gw) / 2 + o;
        break;
    }
    }
    return p;
}

} // namespace widgets::controls
