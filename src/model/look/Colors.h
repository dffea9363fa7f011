// Colour values as the windows store them: 0x00BBGGRR (red in the low byte); a value whose top
// byte is 0xFF names a system colour by its index. The named colours of the mark-up language and
// the blending used by the buttons live here, free of any toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace widgets {

using RgbColor = std::uint32_t;

// "No colour" (a property left unset) and "the default colour" of the owning widget.
constexpr RgbColor clNone = 0x1FFFFFFF;
constexpr RgbColor clDefault = 0x20000000;

constexpr RgbColor RGBColor(int red, int green, int blue)
{
    return static_cast<RgbColor>(red & 0xFF) | static_cast<RgbColor>(green & 0xFF) << 8 |
           static_cast<RgbColor>(blue & 0xFF) << 16;
}
constexpr int RedOf(RgbColor color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(RgbColor color) { return static_cast<int>(color >> 8 & 0xFF); }
constexpr int BlueOf(RgbColor color) { return static_cast<int>(color >> 16 & 0xFF); }

constexpr RgbColor SystemColor(int index) { return 0xFF000000u | static_cast<RgbColor>(index); }
constexpr bool IsSystemColor(RgbColor color) { return (color & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(RgbColor color) { return static_cast<int>(color & 0xFF); }

// The system colours by index, as the windows of the program name them.
enum SystemColorIndex {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHIGHLIGHT = 29,
    COLOR_MENUBAR = 30,
};

constexpr RgbColor clBlack = RGBColor(0x00, 0x00, 0x00);
constexpr RgbColor clMaroon = RGBColor(0x80, 0x00, 0x00);
constexpr RgbColor clGreen = RGBColor(0x00, 0x80, 0x00);
constexpr RgbColor clOlive = RGBColor(0x80, 0x80, 0x00);
constexpr RgbColor clNavy = RGBColor(0x00, 0x00, 0x80);
constexpr RgbColor clPurple = RGBColor(0x80, 0x00, 0x80);
constexpr RgbColor clTeal = RGBColor(0x00, 0x80, 0x80);
constexpr RgbColor clGray = RGBColor(0x80, 0x80, 0x80);
constexpr RgbColor clSilver = RGBColor(0xC0, 0xC0, 0xC0);
constexpr RgbColor clRed = RGBColor(0xFF, 0x00, 0x00);
constexpr RgbColor clLime = RGBColor(0x00, 0xFF, 0x00);
constexpr RgbColor clYellow = RGBColor(0xFF, 0xFF, 0x00);
constexpr RgbColor clBlue = RGBColor(0x00, 0x00, 0xFF);
constexpr RgbColor clFuchsia = RGBColor(0xFF, 0x00, 0xFF);
constexpr RgbColor clAqua = RGBColor(0x00, 0xFF, 0xFF);
constexpr RgbColor clWhite = RGBColor(0xFF, 0xFF, 0xFF);

constexpr RgbColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr RgbColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr RgbColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr RgbColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr RgbColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr RgbColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr RgbColor clWindow = SystemColor(COLOR_WINDOW);
constexpr RgbColor clWindowText = SystemColor(COLOR_WINDOWTEXT);

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

} // namespace widgets
