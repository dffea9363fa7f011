#include "widgets/controls/QtColors.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace widgets {

namespace {

QColor SystemQColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    const auto role = [&](QPalette::ColorRole r) { return palette.color(QPalette::Active, r); };
    switch (index) {
    case COLOR_BACKGROUND:
    case COLOR_APPWORKSPACE:
    case COLOR_INACTIVECAPTION:
        return role(QPalette::Mid);
    case COLOR_ACTIVECAPTION:
    case COLOR_HIGHLIGHT:
    case COLOR_MENUHIGHLIGHT:
        return role(QPalette::Highlight);
    case COLOR_GRADIENTACTIVECAPTION:
        return role(QPalette::Highlight).lighter(150);
    case COLOR_GRADIENTINACTIVECAPTION:
    case COLOR_3DLIGHT:
        return role(QPalette::Midlight);
    case COLOR_WINDOW:
        return role(QPalette::Base);
    case COLOR_WINDOWFRAME:
    case COLOR_3DDKSHADOW:
        return role(QPalette::Shadow);
    case COLOR_MENUTEXT:
    case COLOR_INACTIVECAPTIONTEXT:
        return role(QPalette::WindowText);
    case COLOR_WINDOWTEXT:
        return role(QPalette::Text);
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT:
        return role(QPalette::HighlightedText);
    case COLOR_BTNSHADOW:
        return role(QPalette::Dark);
    case COLOR_GRAYTEXT:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case COLOR_BTNTEXT:
        return role(QPalette::ButtonText);
    case COLOR_BTNHIGHLIGHT:
        return role(QPalette::Light);
    case COLOR_INFOTEXT:
        return role(QPalette::ToolTipText);
    case COLOR_INFOBK:
        return role(QPalette::ToolTipBase);
    case COLOR_HOTLIGHT:
        return role(QPalette::Link);
    case COLOR_BTNFACE:
        return role(QPalette::Button);
    default: // scroll bar, menu, borders, menu bar
        return role(QPalette::Window);
    }
}

} // namespace

QColor ToQColor(RgbColor color, const QColor& fallback)
{
    if (color == clNone || color == clDefault)
        return fallback;
    if (IsSystemColor(color))
        return SystemQColor(SystemColorIndex(color));
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

RgbColor FromQColor(const QColor& color)
{
    return RGBColor(color.red(), color.green(), color.blue());
}

RgbColor ResolvedColor(RgbColor color, RgbColor fallback)
{
    if (color == clNone || color == clDefault)
        return fallback;
    return IsSystemColor(color) ? FromQColor(SystemQColor(SystemColorIndex(color))) : color;
}

void SetFontColor(QWidget& widget, const QColor& color)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, color);
    widget.setPalette(colours);
}

RgbColor AverageColour(const QImage& image, int x1, int y1, int x2, int y2)
{
    const auto pixel = [&image](int x, int y) { return FromQColor(image.pixelColor(x, y)); };
    return AverageColour(pixel, std::max(x1, 0), std::max(y1, 0), std::min(x2, image.width() - 1),
                         std::min(y2, image.height() - 1));
}

Qt::Alignment ToQtAlignment(HorizontalAlignment alignment)
{
    switch (alignment) {
    case HorizontalAlignment::Left:
        return Qt::AlignLeft;
    case HorizontalAlignment::Right:
        return Qt::AlignRight;
    case HorizontalAlignment::Center:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace widgets
