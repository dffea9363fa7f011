// The rules behind the owner-drawn buttons that need no toolkit: the styles and colour sets,
// the button kinds, which glyph cell shows, the face colour, the Modern gradient bands, how a
// caption is shortened and where glyph and caption are placed.
#pragma once

#include "model/look/Colors.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace widgets::controls {

enum class ButtonColorStyle {
    Custom,
    Gold,
    Chrome,
    Blue,
    Red,
    UltraFlat1,
    UltraFlat2,
    UltraFlatXP,
    Aqua,
    Default
};
enum class ButtonStyle {
    Normal,       // a face in one colour inside a one-pixel 3-D frame
    BoldWhenDown, // Normal, but a pressed button keeps its place and shows its caption in bold
    Modern,       // a gradient face inside a rounded frame
    Old,          // a two-pixel 3-D frame
    Shape,        // glyph and caption only
};
enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };
enum class ButtonKind { Custom, Ok, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All };
enum class HorizontalAlignment { Left, Right, Center };

// What choosing a colour style sets on a button.
struct ButtonColorSet {
    model::look::RgbColor Color;
    model::look::RgbColor LightColor;
    model::look::RgbColor ShadowColor;
    model::look::RgbColor HotTrackColor;
    model::look::RgbColor ColorWhenDown;
    bool Flat;
    ButtonStyle Style;
};

// Nothing for Custom, which changes nothing.
std::optional<ButtonColorSet> ColorSetOf(ButtonColorStyle style);

// The dialog results a button can give its window (the result codes its dialog ends with).
enum class DialogResult { None = 0, Ok, Cancel, Abort, Retry, Ignore, Yes, No, All };

// What choosing a kind sets on a SkinButton; the caption is UTF-8.
struct ButtonKindInfo {
    DialogResult Result;
    std::string_view Resource;
    std::string_view Caption;
};

// Nothing for Custom.
std::optional<ButtonKindInfo> KindInfoOf(ButtonKind kind);

// The cell of a glyph of `numGlyphs` cells that a button in this state shows.
int GlyphCell(int numGlyphs, bool enabled, bool hot, bool down);

// The face colour of a button; all colours plain RGB or NoColor. `hotStep` is 0 or 8.
model::look::RgbColor FaceColor(model::look::RgbColor color, model::look::RgbColor hotTrackColor,
                                model::look::RgbColor colorWhenDown, bool enabled, int hotStep, bool down);

// One horizontal band of a vertical gradient: rows top to top + height - 1.
struct GradientBand {
    int Top;
    int Height;
    model::look::RgbColor Color;
};

// The 32 bands of a gradient from `from` at row `top` to `to` at row `bottom`, cut at `bottom`.
std::vector<GradientBand> GradientBands(int top, int bottom, model::look::RgbColor from,
                                        model::look::RgbColor to);

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

} // namespace widgets::controls
