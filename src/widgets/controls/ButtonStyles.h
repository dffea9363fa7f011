// The rules behind the owner-drawn buttons that need no toolkit: the styles and colour sets,
// the button kinds, which glyph cell shows, the face colour, the bsModern gradient bands, how a
// caption is shortened and where glyph and caption are placed.
#pragma once

#include "model/look/Colors.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace widgets {

enum class ButtonColorStyle {
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
enum class ButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape };
using SpeedButtonStyle = ButtonStyle;
enum class ButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class ButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class HorizontalAlignment { Left, Right, Center };

// What choosing a colour style sets on a button.
struct ButtonColorSet {
    RgbColor Color;
    RgbColor LightColor;
    RgbColor ShadowColor;
    RgbColor HotTrackColor;
    RgbColor ColorWhenDown;
    bool Flat;
    ButtonStyle Style;
};

// Nothing for lcsCustom, which changes nothing.
std::optional<ButtonColorSet> ColorSetOf(ButtonColorStyle style);

// What choosing a kind sets on a SkinButton; the caption is UTF-8.
struct ButtonKindInfo {
    int ModalResult;
    std::string_view Resource;
    std::string_view Caption;
};

// Nothing for bkCustom.
std::optional<ButtonKindInfo> KindInfoOf(ButtonKind kind);

// The dialog results a button can give its window.
enum ModalResult { mrNone = 0, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll };

// The cell of a glyph of `numGlyphs` cells that a button in this state shows.
int GlyphCell(int numGlyphs, bool enabled, bool hot, bool down);

// The face colour of a button; all colours plain RGB or clNone. `hotStep` is 0 or 8.
RgbColor FaceColor(RgbColor color, RgbColor hotTrackColor, RgbColor colorWhenDown, bool enabled, int hotStep, bool down);

// One horizontal band of a vertical gradient: rows top to top + height - 1.
struct GradientBand {
    int Top;
    int Height;
    RgbColor Color;
};

// The 32 bands of a gradient from `from` at row `top` to `to` at row `bottom`, cut at `bottom`.
std::vector<GradientBand> GradientBands(int top, int bottom, RgbColor from, RgbColor to);

// How many leading characters of a caption of `length` characters stay when characters are
// dropped from its end until it is at most `limit` wide (no ellipsis is added).
std::size_t FittingCaptionLength(std::size_t length, int limit, const std::function<int(std::size_t)>& widthOfPrefix);

// Everything the placement of glyph and caption depends on.
struct ButtonPlacementInput {
    int Width;
    int Height;
    int GlyphWidth;  // one cell; 0 without a glyph
    int GlyphHeight;
    int TextWidth;   // the caption measured word-wrapped at CaptionWidthLimit
    int TextHeight;
    bool HasCaption;
    bool Down;       // drawn pressed (never when disabled)
    bool WordWrap;
    ButtonStyle Style;
    ButtonLayout Layout;
    HorizontalAlignment Alignment;
};

struct ButtonPlacement {
    int PressOffset;
    int GlyphX;
    int GlyphY;
    int TextX;  // the caption box: TextX..TextX + TextWidthLimit, TextY..TextY + text height
    int TextY;
    int TextWidthLimit;
};

// The width available to the caption of a button.
int CaptionWidthLimit(int width, int glyphWidth, ButtonLayout layout);

ButtonPlacement PlaceGlyphAndCaption(const ButtonPlacementInput& in);

} // namespace widgets
