#include "widgets/Colors.h"

#include <array>
#include <cmath>
#include <utility>

namespace widgets {

namespace {

using NamedColor = std::pair<std::string_view, TColor>;

constexpr std::array kNamedColors = {
    NamedColor{"black", clBlack},
    NamedColor{"maroon", clMaroon},
    NamedColor{"green", clGreen},
    NamedColor{"olive", clOlive},
    NamedColor{"navy", clNavy},
    NamedColor{"purple", clPurple},
    NamedColor{"teal", clTeal},
    NamedColor{"gray", clGray},
    NamedColor{"silver", clSilver},
    NamedColor{"red", clRed},
    NamedColor{"lime", clLime},
    NamedColor{"yellow", clYellow},
    NamedColor{"blue", clBlue},
    NamedColor{"fuchsia", clFuchsia},
    NamedColor{"aqua", clAqua},
    NamedColor{"white", clWhite},
    NamedColor{"moneygreen", RGBColor(0xC0, 0xDC, 0xC0)},
    NamedColor{"skyblue", RGBColor(0xA6, 0xCA, 0xF0)},
    NamedColor{"cream", RGBColor(0xFF, 0xFB, 0xF0)},
    NamedColor{"medgray", RGBColor(0xA0, 0xA0, 0xA4)},
    NamedColor{"scrollbar", SystemColor(COLOR_SCROLLBAR)},
    NamedColor{"background", SystemColor(COLOR_BACKGROUND)},
    NamedColor{"activecaption", SystemColor(COLOR_ACTIVECAPTION)},
    NamedColor{"inactivecaption", SystemColor(COLOR_INACTIVECAPTION)},
    NamedColor{"menu", SystemColor(COLOR_MENU)},
    NamedColor{"window", SystemColor(COLOR_WINDOW)},
    NamedColor{"windowframe", SystemColor(COLOR_WINDOWFRAME)},
    NamedColor{"menutext", SystemColor(COLOR_MENUTEXT)},
    NamedColor{"windowtext", SystemColor(COLOR_WINDOWTEXT)},
    NamedColor{"captiontext", SystemColor(COLOR_CAPTIONTEXT)},
    NamedColor{"activeborder", SystemColor(COLOR_ACTIVEBORDER)},
    NamedColor{"inactiveborder", SystemColor(COLOR_INACTIVEBORDER)},
    NamedColor{"appworkspace", SystemColor(COLOR_APPWORKSPACE)},
    NamedColor{"highlight", SystemColor(COLOR_HIGHLIGHT)},
    NamedColor{"highlighttext", SystemColor(COLOR_HIGHLIGHTTEXT)},
    NamedColor{"btnface", SystemColor(COLOR_BTNFACE)},
    NamedColor{"btnshadow", SystemColor(COLOR_BTNSHADOW)},
    NamedColor{"graytext", SystemColor(COLOR_GRAYTEXT)},
    NamedColor{"btntext", SystemColor(COLOR_BTNTEXT)},
    NamedColor{"inactivecaptiontext", SystemColor(COLOR_INACTIVECAPTIONTEXT)},
    NamedColor{"btnhighlight", SystemColor(COLOR_BTNHIGHLIGHT)},
    NamedColor{"3ddkshadow", SystemColor(COLOR_3DDKSHADOW)},
    NamedColor{"3dlight", SystemColor(COLOR_3DLIGHT)},
    NamedColor{"infotext", SystemColor(COLOR_INFOTEXT)},
    NamedColor{"infobk", SystemColor(COLOR_INFOBK)},
    NamedColor{"hotlight", SystemColor(COLOR_HOTLIGHT)},
    NamedColor{"gradientactivecaption", SystemColor(COLOR_GRADIENTACTIVECAPTION)},
    NamedColor{"gradientinactivecaption", SystemColor(COLOR_GRADIENTINACTIVECAPTION)},
    NamedColor{"menuhighlight", SystemColor(COLOR_MENUHIGHLIGHT)},
    NamedColor{"menubar", SystemColor(COLOR_MENUBAR)},
    NamedColor{"none", clNone},
    NamedColor{"default", clDefault},
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

} // namespace

std::optional<TColor> ColorFromName(std::string_view name)
{
    for (const auto& [known, color] : kNamedColors)
        if (EqualIgnoringCase(known, name))
            return color;
    return std::nullopt;
}

TColor BlendColor(TColor from, TColor to, double t)
{
    return RGBColor(BlendChannel(RedOf(from), RedOf(to), t), BlendChannel(GreenOf(from), GreenOf(to), t),
                    BlendChannel(BlueOf(from), BlueOf(to), t));
}

} // namespace widgets
