#include "model/look/Colors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace model::look {

namespace {

using NamedColor = std::pair<std::string_view, RgbColor>;

constexpr std::array NamedColors = {
    NamedColor{"black", Black},
    NamedColor{"maroon", Maroon},
    NamedColor{"green", Green},
    NamedColor{"olive", Olive},
    NamedColor{"navy", Navy},
    NamedColor{"purple", Purple},
    NamedColor{"teal", Teal},
    NamedColor{"gray", Gray},
    NamedColor{"silver", Silver},
    NamedColor{"red", Red},
    NamedColor{"lime", Lime},
    NamedColor{"yellow", Yellow},
    NamedColor{"blue", Blue},
    NamedColor{"fuchsia", Fuchsia},
    NamedColor{"aqua", Aqua},
    NamedColor{"white", White},
    NamedColor{"moneygreen", RGBColor(0xC0, 0xDC, 0xC0)},
    NamedColor{"skyblue", RGBColor(0xA6, 0xCA, 0xF0)},
    NamedColor{"cream", RGBColor(0xFF, 0xFB, 0xF0)},
    NamedColor{"medgray", RGBColor(0xA0, 0xA0, 0xA4)},
    NamedColor{"scrollbar", SystemColor(SystemColorIndex::ScrollBar)},
    NamedColor{"background", SystemColor(SystemColorIndex::Background)},
    NamedColor{"activecaption", SystemColor(SystemColorIndex::ActiveCaption)},
    NamedColor{"inactivecaption", SystemColor(SystemColorIndex::InactiveCaption)},
    NamedColor{"menu", SystemColor(SystemColorIndex::Menu)},
    NamedColor{"window", SystemColor(SystemColorIndex::Window)},
    NamedColor{"windowframe", SystemColor(SystemColorIndex::WindowFrame)},
    NamedColor{"menutext", SystemColor(SystemColorIndex::MenuText)},
    NamedColor{"windowtext", SystemColor(SystemColorIndex::WindowText)},
    NamedColor{"captiontext", SystemColor(SystemColorIndex::CaptionText)},
    NamedColor{"activeborder", SystemColor(SystemColorIndex::ActiveBorder)},
    NamedColor{"inactiveborder", SystemColor(SystemColorIndex::InactiveBorder)},
    NamedColor{"appworkspace", SystemColor(SystemColorIndex::AppWorkspace)},
    NamedColor{"highlight", SystemColor(SystemColorIndex::Highlight)},
    NamedColor{"highlighttext", SystemColor(SystemColorIndex::HighlightText)},
    NamedColor{"btnface", SystemColor(SystemColorIndex::ButtonFace)},
    NamedColor{"btnshadow", SystemColor(SystemColorIndex::ButtonShadow)},
    NamedColor{"graytext", SystemColor(SystemColorIndex::GrayText)},
    NamedColor{"btntext", SystemColor(SystemColorIndex::ButtonText)},
    NamedColor{"inactivecaptiontext", SystemColor(SystemColorIndex::InactiveCaptionText)},
    NamedColor{"btnhighlight", SystemColor(SystemColorIndex::ButtonHighlight)},
    NamedColor{"3ddkshadow", SystemColor(SystemColorIndex::DarkShadow3D)},
    NamedColor{"3dlight", SystemColor(SystemColorIndex::Light3D)},
    NamedColor{"infotext", SystemColor(SystemColorIndex::InfoText)},
    NamedColor{"infobk", SystemColor(SystemColorIndex::InfoBackground)},
    NamedColor{"hotlight", SystemColor(SystemColorIndex::HotLight)},
    NamedColor{"gradientactivecaption", SystemColor(SystemColorIndex::GradientActiveCaption)},
    NamedColor{"gradientinactivecaption", SystemColor(SystemColorIndex::GradientInactiveCaption)},
    NamedColor{"menuhighlight", SystemColor(SystemColorIndex::MenuHighlight)},
    NamedColor{"menubar", SystemColor(SystemColorIndex::MenuBar)},
    NamedColor{"none", NoColor},
    NamedColor{"default", DefaultColor},
};

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

int BlendChannel(int from, int to, double t)
{
    return static_cast<int>(std::lround(from * (1.0 - t) + to * t));
}

// One channel of an HSL colour, 0 to 1, from the two lightness bounds and the hue shifted to it.
double HueChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * 6 * h;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

int ChannelByte(double value)
{
    return static_cast<int>(std::clamp(std::lround(255 * value), 0L, 255L));
}

} // namespace

std::optional<RgbColor> ColorFromName(std::string_view name)
{
    for (const auto& [known, color] : NamedColors)
        if (EqualIgnoringCase(known, name))
            return color;
    return std::nullopt;
}

RgbColor BlendColor(RgbColor from, RgbColor to, double t)
{
    return RGBColor(BlendChannel(RedOf(from), RedOf(to), t), BlendChannel(GreenOf(from), GreenOf(to), t),
                    BlendChannel(BlueOf(from), BlueOf(to), t));
}

Hsl ColourToHSL(RgbColor colour)
{
    const double r = RedOf(colour) / 255.0;
    const double g = GreenOf(colour) / 255.0;
    const double b = BlueOf(colour) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    Hsl hsl;
    hsl.L = (max + min) / 2;
    if (max == min)
        return hsl;
    const double delta = max - min;
    hsl.S = hsl.L < 0.5 ? delta / (max + min) : delta / (2 - max - min);
    if (r == max)
        hsl.H = (g - b) / delta;
    else if (g == max)
        hsl.H = 2 + (b - r) / delta;
    else
        hsl.H = 4 + (r - g) / delta;
    hsl.H /= 6;
    if (hsl.H < 0)
        hsl.H += 1;
    return hsl;
}

RgbColor HSLToColour(const Hsl& hsl)
{
    if (hsl.S == 0) {
        const int grey = ChannelByte(hsl.L);
        return RGBColor(grey, grey, grey);
    }
    const double m2 = hsl.L <= 0.5 ? hsl.L * (1 + hsl.S) : hsl.L + hsl.S - hsl.L * hsl.S;
    const double m1 = 2 * hsl.L - m2;
    return RGBColor(ChannelByte(HueChannel(m1, m2, hsl.H + 1.0 / 3)), ChannelByte(HueChannel(m1, m2, hsl.H)),
                    ChannelByte(HueChannel(m1, m2, hsl.H - 1.0 / 3)));
}

RgbColor LightenIfDark(RgbColor colour, double threshold, double percent)
{
    Hsl hsl = ColourToHSL(colour);
    if (threshold > 0 && hsl.L >= threshold)
        return colour;
    hsl.L += hsl.L * percent / 100;
    return HSLToColour(hsl);
}

RgbColor AverageColour(const std::function<RgbColor(int x, int y)>& pixel, int x1, int y1, int x2, int y2)
{
    if (x2 < x1 || y2 < y1)
        return Black;
    std::int64_t red = 0, green = 0, blue = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            const RgbColor colour = pixel(x, y);
            red += RedOf(colour);
            green += GreenOf(colour);
            blue += BlueOf(colour);
        }
    const std::int64_t count = static_cast<std::int64_t>(x2 - x1 + 1) * (y2 - y1 + 1);
    return RGBColor(static_cast<int>(red / count), static_cast<int>(green / count),
                    static_cast<int>(blue / count));
}

} // namespace model::look
