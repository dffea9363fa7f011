// The rules behind the owner-drawn buttons that need no toolkit: the styles and colour sets,
// the button kinds, which glyph cell shows, the face colour, the bsModern gradient bands, how a
// caption is shortened and where glyph and caption are placed.
#pragma once

#include "widgets/Colors.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace widgets {

enum class TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault
};
enum class TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape };
using TLbSpeedButtonStyle = TLbButtonStyle;
enum class TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// What choosing a colour style sets on a button.
struct TLbColorSet {
    TColor Color;
    TColor LightColor;
    TColor ShadowColor;
    TColor HotTrackColor;
    TColor ColorWhenDown;
    bool Flat;
    TLbButtonStyle Style;
};

// Nothing for lcsCustom, which changes nothing.
std::optional<TLbColorSet> ColorSetOf(TLbColorStyle style);

// What choosing a kind sets on a TLbButton; the caption is UTF-8.
struct TLbKindInfo {
    int ModalResult;
    std::string_view Resource;
    std::string_view Caption;
};

// Nothing for bkCustom.
std::optional<TLbKindInfo> KindInfoOf(TLbButtonKind kind);

// The dialog results a button can give its window.
enum TModalResult { mrNone = 0, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll };

// The cell of a glyph of `numGlyphs` cells that a button in this state shows.
int GlyphCell(int numGlyphs, bool enabled, bool hot, bool down);

// The face colour of a button; all colours plain RGB or clNone. `hotStep` is 0 or 8.
TColor FaceColor(TColor color, TColor hotTrackColor, TColor colorWhenDown, bool enabled, int hotStep, bool down);

// One horizontal band of a vertical gradient: rows top to top + height - 1.
struct TGradientBand {
    int Top;
    int Height;
    TColor Color;
};

// The 32 bands of a gradient from `from` at row `top` to `to` at row `bottom`, cut at `bottom`.
std::vector<TGradientBand> GradientBands(int top, int bottom, TColor from, TColor to);

// How many leading characters of a caption of `length` characters stay when characters are
// dropped from its end until it is at most `limit` wide (no ellipsis is added).
std::size_t FittingCaptionLength(std::size_t length, int limit, const std::function<int(std::size_t)>& widthOfPrefix);

// Everything the placement of glyph and caption depends on.
struct TLbPlacementInput {
    int Width;
    int Height;
    int GlyphWidth;  // one cell; 0 without a glyph
    int GlyphHeight;
    int TextWidth;   // the caption measured word-wrapped at CaptionWidthLimit
    int TextHeight;
    bool HasCaption;
    bool Down;       // drawn pressed (never when disabled)
    bool WordWrap;
    TLbButtonStyle Style;
    TLbButtonLayout Layout;
    TAlignment Alignment;
};

struct TLbPlacement {
    int PressOffset;
    int GlyphX;
    int GlyphY;
    int TextX;  // the caption box: TextX..TextX + TextWidthLimit, TextY..TextY + text height
    int TextY;
    int TextWidthLimit;
};

// The width available to the caption of a button.
int CaptionWidthLimit(int width, int glyphWidth, TLbButtonLayout layout);

TLbPlacement PlaceGlyphAndCaption(const TLbPlacementInput& in);

} // namespace widgets
