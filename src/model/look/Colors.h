// Colour values as the windows store them: 0x00BBGGRR (red in the low byte); a value whose top
// byte is 0xFF names a system colour by its index. The named colours of the mark-up language and
// the blending used by the buttons live here, free of any toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace model::look {

using RgbColor = std::uint32_t;

// "No colour" (a property left unset) and "the default colour" of the owning widget.
constexpr RgbColor NoColor = 0x1FFFFFFF;
constexpr RgbColor DefaultColor = 0x20000000;

constexpr RgbColor RGBColor(int red, int green, int blue)
{
    return static_cast<RgbColor>(red & 0xFF) | static_cast<RgbColor>(green & 0xFF) << 8 |
           static_cast<RgbColor>(blue & 0xFF) << 16;
}
constexpr int RedOf(RgbColor color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(RgbColor color) { return static_cast<int>(color >> 8 & 0xFF); }
constexpr int BlueOf(RgbColor color) { return static_cast<int>(color >> 16 & 0xFF); }

// The system colours by index, as the windows of the program name them.
enum class SystemColorIndex {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

constexpr RgbColor SystemColor(SystemColorIndex index)
{
    return 0xFF000000u | static_cast<RgbColor>(index);
}
constexpr bool IsSystemColor(RgbColor color)
{
    return (color & 0xFF000000u) == 0xFF000000u;
}
// Which system colour a value names; only meaningful when IsSystemColor.
constexpr SystemColorIndex SystemColorOf(RgbColor color)
{
    return static_cast<SystemColorIndex>(color & 0xFF);
}

constexpr RgbColor Black = RGBColor(0x00, 0x00, 0x00);
constexpr RgbColor Maroon = RGBColor(0x80, 0x00, 0x00);
constexpr RgbColor Green = RGBColor(0x00, 0x80, 0x00);
constexpr RgbColor Olive = RGBColor(0x80, 0x80, 0x00);
constexpr RgbColor Navy = RGBColor(0x00, 0x00, 0x80);
constexpr RgbColor Purple = RGBColor(0x80, 0x00, 0x80);
constexpr RgbColor Teal = RGBColor(0x00, 0x80, 0x80);
constexpr RgbColor Gray = RGBColor(0x80, 0x80, 0x80);
constexpr RgbColor Silver = RGBColor(0xC0, 0xC0, 0xC0);
constexpr RgbColor Red = RGBColor(0xFF, 0x00, 0x00);
constexpr RgbColor Lime = RGBColor(0x00, 0xFF, 0x00);
constexpr RgbColor Yellow = RGBColor(0xFF, 0xFF, 0x00);
constexpr RgbColor Blue = RGBColor(0x00, 0x00, 0xFF);
constexpr RgbColor Fuchsia = RGBColor(0xFF, 0x00, 0xFF);
constexpr RgbColor Aqua = RGBColor(0x00, 0xFF, 0xFF);
constexpr RgbColor White = RGBColor(0xFF, 0xFF, 0xFF);

constexpr RgbColor ButtonFace = SystemColor(SystemColorIndex::ButtonFace);
constexpr RgbColor ButtonShadow = SystemColor(SystemColorIndex::ButtonShadow);
constexpr RgbColor ButtonHighlight = SystemColor(SystemColorIndex::ButtonHighlight);
constexpr RgbColor DarkShadow3D = SystemColor(SystemColorIndex::DarkShadow3D);
constexpr RgbColor WindowFrame = SystemColor(SystemColorIndex::WindowFrame);
constexpr RgbColor GrayText = SystemColor(SystemColorIndex::GrayText);
constexpr RgbColor WindowBackground = SystemColor(SystemColorIndex::Window);
constexpr RgbColor WindowText = SystemColor(SystemColorIndex::WindowText);

// A colour by its name without the "cl" prefix, letter case ignored: the fixed colours, the
// system colours, "none" and "default". Nothing for any other name.
std::optional<RgbColor> ColorFromName(std::string_view name);

// Each channel of `from` moved towards `to` by the fraction t (0 to 1), rounded. Both colours
// must be plain RGB values.
RgbColor BlendColor(RgbColor from, RgbColor to, double t);

// A colour as hue, saturation and lightness, each from 0 to 1 (a hue of 1 is the red of 0).
struct Hsl {
    double H = 0;
    double S = 0;
    double L = 0;
};

Hsl ColourToHSL(RgbColor colour);

// Each channel is rounded to the nearest integer and kept within 0 to 255, so lightness or
// saturation beyond 1 gives the brightest colour of that hue rather than wrapping round.
RgbColor HSLToColour(const Hsl& hsl);

// A colour too dark to serve as a window's background made lighter: when its lightness is below
// `threshold` (or `threshold` is not above 0), the lightness grows by `percent` per cent of
// itself; any other colour comes back unchanged.
RgbColor LightenIfDark(RgbColor colour, double threshold, double percent);

// The average of the pixels x1 <= x <= x2, y1 <= y <= y2 (both ends included), each channel
// summed on its own and divided by the number of pixels, the remainder dropped. Black when the
// rectangle holds no pixel.
RgbColor AverageColour(const std::function<RgbColor(int x, int y)>& pixel, int x1, int y1, int x2, int y2);

} // namespace model::look
