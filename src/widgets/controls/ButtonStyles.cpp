#include "widgets/controls/ButtonStyles.h"

#include <algorithm>
#include <cmath>

namespace widgets {

std::optional<ButtonColorSet> ColorSetOf(ButtonColorStyle style)
{
    using enum ButtonStyle;
    switch (style) {
    case ButtonColorStyle::lcsCustom:
        return std::nullopt;
    case ButtonColorStyle::lcsGold:
        return ButtonColorSet{RGBColor(0xC0, 0xC0, 0x00), RGBColor(0xFF, 0xFF, 0x00),
                           RGBColor(0x80, 0x80, 0x00), RGBColor(0xDF, 0xDF, 0x00), clNone, false, bsModern};
    case ButtonColorStyle::lcsChrome:
        return ButtonColorSet{clSilver, clWhite, clGray, clNone, clNone, false, bsModern};
    case ButtonColorStyle::lcsBlue:
        return ButtonColorSet{RGBColor(0x00, 0x80, 0xFF), clAqua, clBlue, clNone, clNone, false, bsModern};
    case ButtonColorStyle::lcsRed:
        return ButtonColorSet{clRed, RGBColor(0xFF, 0xC0, 0xC0), RGBColor(0xC0, 0x00, 0x00), clNone, clNone, false,
                           bsModern};
    case ButtonColorStyle::lcsUltraFlat1:
        return ButtonColorSet{clBtnFace,        RGBColor(0x84, 0x92, 0xB5), RGBColor(0x84, 0x92, 0xB5),
                           RGBColor(0xD6, 0xD3, 0xDE), RGBColor(0x84, 0x92, 0xB5), true, bsNormal};
    case ButtonColorStyle::lcsUltraFlat2:
        return ButtonColorSet{clBtnFace, clBlack, clBlack, RGBColor(0xE4, 0xF6, 0x8C), RGBColor(0xBC, 0xDA, 0x24),
                           true,      bsNormal};
    case ButtonColorStyle::lcsUltraFlatXP:
        return ButtonColorSet{RGBColor(0xDB, 0xD8, 0xD1), RGBColor(0x84, 0x92, 0xB5), RGBColor(0x85, 0x92, 0xB5),
                           RGBColor(0xB6, 0xBD, 0xD2), RGBColor(0x85, 0x92, 0xB5), true, bsNormal};
    case ButtonColorStyle::lcsAqua:
        return ButtonColorSet{RGBColor(0x94, 0xCE, 0xEC), RGBColor(0xD4, 0xE6, 0xFC), clBlack, clNone, clNone, false,
                           bsModern};
    case ButtonColorStyle::lcsDefault:
        return ButtonColorSet{clBtnFace, clWhite, clGray, clNone, clNone, false, bsNormal};
    }
    return std::nullopt;
}

std::optional<ButtonKindInfo> KindInfoOf(ButtonKind kind)
{
    using enum ButtonKind;
    switch (kind) {
    case bkCustom:
        return std::nullopt;
    case bkOK:
        return ButtonKindInfo{mrOk, "LBOK", "OK"};
    case bkCancel:
        return ButtonKindInfo{mrCancel, "LBCANCEL", "Abbrechen"};
    case bkHelp:
        return ButtonKindInfo{mrNone, "LBHELP", "Hilfe"};
    case bkYes:
        return ButtonKindInfo{mrYes, "LBYES", "Ja"};
    case bkNo:
        return ButtonKindInfo{mrNo, "LBNO", "Nein"};
    case bkClose:
        return ButtonKindInfo{mrNone, "LBCLOSE", "Schlie\xC3\x9F" "en"};
    case bkAbort:
        return ButtonKindInfo{mrAbort, "LBABORT", "Abbrechen"};
    case bkRetry:
        return ButtonKindInfo{mrRetry, "LBRETRY", "Wiederholen"};
    case bkIgnore:
        return ButtonKindInfo{mrIgnore, "LBIGNORE", "Ignorieren"};
    case bkAll:
        return ButtonKindInfo{mrAll, "LBALL", "Alle"};
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
    if (enabled && hotTrackColor != clNone)
        face = BlendColor(color, hotTrackColor, hotStep / 8.0);
    if (down && colorWhenDown != clNone)
        face = colorWhenDown;
    return face;
}

std::vector<GradientBand> GradientBands(int top, int bottom, RgbColor from, RgbColor to)
{
    constexpr int kBands = 32;
    const int span = bottom - top;
    const auto channel = [](int a, int b, int k) {
        return static_cast<int>(std::lround(a + k * (b - a) / static_cast<double>(kBands - 1)));
    };
    std::vector<GradientBand> bands;
    bands.reserve(kBands);
    for (int k = 0; k < kBands; ++k) {
        const int bandTop = top + k * span / (kBands - 1);
        const int height = std::min(span / (kBands - 1) + 1, bottom - bandTop);
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
    const bool beside = layout == ButtonLayout::blGlyphLeft || layout == ButtonLayout::blGlyphRight;
    if (glyphWidth > 0 && beside)
        limit -= glyphWidth + 4;
    return std::max(limit, 0);
}

ButtonPlacement PlaceGlyphAndCaption(const ButtonPlacementInput& in)
{
    using enum HorizontalAlignment;
    const int o = in.Down && in.Style != ButtonStyle::bsEncarta ? 1 : 0;
    const int W = in.Width;
    const int H = in.Height;
    const int gw = in.GlyphWidth;
    const int gh = in.GlyphHeight;
    const int th = in.TextHeight;
    const bool hasGlyph = gw > 0;
    const int b = in.HasCaption ? in.TextWidth + 4 : 0;

    ButtonPlacement p{o, 0, 0, o + 4, (H - th) / 2 + o, CaptionWidthLimit(W, gw, in.Layout)};
    if (in.Style == ButtonStyle::bsShape) {
        p.GlyphX = (W - gw) / 2;
        p.GlyphY = (H - gh) / 2;
        p.TextX = o;
        p.TextWidthLimit = W - o;
        return p;
    }
    switch (in.Layout) {
    case ButtonLayout::blGlyphLeft:
        if (hasGlyph)
            p.TextX += gw + 4;
        p.GlyphY = (H - gh) / 2 + o;
        p.GlyphX = o + 4;
        if (!in.WordWrap && in.Alignment == Right)
            p.GlyphX = W - 4 - gw - b + o;
        else if (!in.WordWrap && in.Alignment == Center)
            p.GlyphX = (W - gw) / 2 + o - b / 2;
        break;
    case ButtonLayout::blGlyphRight:
        p.GlyphY = (H - gh) / 2 + o;
        p.GlyphX = o + 4 + b;
        if (!in.WordWrap && in.Alignment == Right)
            p.GlyphX = W - 4 + o - gw;
        else if (!in.WordWrap && in.Alignment == Center)
            p.GlyphX = (W - gw) / 2 + o + b / 2;
        break;
    case ButtonLayout::blGlyphTop:
    case ButtonLayout::blGlyphBottom: {
        const int bh = th + (hasGlyph ? gh + 4 : 0);
        if (in.Layout == ButtonLayout::blGlyphTop) {
            p.GlyphY = (H - bh) / 2 + o;
            p.TextY = (H - bh) / 2 + gh + o;
        } else {
            p.TextY = (H - bh) / 2 + o;
            p.GlyphY = (H - bh) / 2 + th + o;
        }
        p.GlyphX = in.Alignment == Left ? o + 4 : in.Alignment == Right ? W - gw - 4 + o : (W - gw) / 2 + o;
        break;
    }
    }
    return p;
}

} // namespace widgets
