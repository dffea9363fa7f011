// Colour values as the windows store them: 0x00BBGGRR (red in the low byte); a value whose top
// byte is 0xFF names a system colour by its index. The named colours of the mark-up language and
// the blending used by the buttons live here, free of any toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace widgets {

using TColor = std::uint32_t;

// "No colour" (a property left unset) and "the default colour" of the owning widget.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor RGBColor(int red, int green, int blue)
{
    return static_cast<TColor>(red & 0xFF) | static_cast<TColor>(green & 0xFF) << 8 |
           static_cast<TColor>(blue & 0xFF) << 16;
}
constexpr int RedOf(TColor color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(TColor color) { return static_cast<int>(color >> 8 & 0xFF); }
constexpr int BlueOf(TColor color) { return static_cast<int>(color >> 16 & 0xFF); }

constexpr TColor SystemColor(int index) { return 0xFF000000u | static_cast<TColor>(index); }
constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(TColor color) { return static_cast<int>(color & 0xFF); }

// The system colours by index, as the windows of the program name them.
enum TSystemColorIndex {
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

constexpr TColor clBlack = RGBColor(0x00, 0x00, 0x00);
constexpr TColor clMaroon = RGBColor(0x80, 0x00, 0x00);
constexpr TColor clGreen = RGBColor(0x00, 0x80, 0x00);
constexpr TColor clOlive = RGBColor(0x80, 0x80, 0x00);
constexpr TColor clNavy = RGBColor(0x00, 0x00, 0x80);
constexpr TColor clPurple = RGBColor(0x80, 0x00, 0x80);
constexpr TColor clTeal = RGBColor(0x00, 0x80, 0x80);
constexpr TColor clGray = RGBColor(0x80, 0x80, 0x80);
constexpr TColor clSilver = RGBColor(0xC0, 0xC0, 0xC0);
constexpr TColor clRed = RGBColor(0xFF, 0x00, 0x00);
constexpr TColor clLime = RGBColor(0x00, 0xFF, 0x00);
constexpr TColor clYellow = RGBColor(0xFF, 0xFF, 0x00);
constexpr TColor clBlue = RGBColor(0x00, 0x00, 0xFF);
constexpr TColor clFuchsia = RGBColor(0xFF, 0x00, 0xFF);
constexpr TColor clAqua = RGBColor(0x00, 0xFF, 0xFF);
constexpr TColor clWhite = RGBColor(0xFF, 0xFF, 0xFF);

constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);

// A colour by its name without the "cl" prefix, letter case ignored: the fixed colours, the
// system colours, "none" and "default". Nothing for any other name.
std::optional<TColor> ColorFromName(std::string_view name);

// Each channel of `from` moved towards `to` by the fraction t (0 to 1), rounded. Both colours
// must be plain RGB values.
TColor BlendColor(TColor from, TColor to, double t);

// A colour as hue, saturation and lightness, each from 0 to 1 (a hue of 1 is the red of 0).
struct THSL {
    double H = 0;
    double S = 0;
    double L = 0;
};

THSL ColourToHSL(TColor colour);

// Each channel is rounded to the nearest integer and kept within 0 to 255, so lightness or
// saturation beyond 1 gives the brightest colour of that hue rather than wrapping round.
TColor HSLToColour(const THSL& hsl);

// A colour too dark to serve as a window's background made lighter: when its lightness is below
// `threshold` (or `threshold` is not above 0), the lightness grows by `percent` per cent of
// itself; any other colour comes back unchanged.
TColor LightenIfDark(TColor colour, double threshold, double percent);

// The average of the pixels x1 <= x <= x2, y1 <= y <= y2 (both ends included), each channel
// summed on its own and divided by the number of pixels, the remainder dropped. Black when the
// rectangle holds no pixel.
TColor AverageColour(const std::function<TColor(int x, int y)>& pixel, int x1, int y1, int x2, int y2);

} // namespace widgets
