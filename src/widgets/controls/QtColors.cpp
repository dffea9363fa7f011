#include "widgets/controls/QtColors.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>

using model::look::BlueOf;
using model::look::DefaultColor;
using model::look::GreenOf;
using model::look::IsSystemColor;
using model::look::NoColor;
using model::look::RedOf;
using model::look::RGBColor;
using model::look::RgbColor;
using model::look::SystemColorIndex;
using model::look::SystemColorOf;

namespace widgets::controls {

namespace {

QColor SystemQColor(SystemColorIndex index)
{
    const QPalette palette = QGuiApplication::palette();
    const auto role = [&](QPalette::ColorRole r) { return palette.color(QPalette::Active, r); };
    switch (index) {
    case SystemColorIndex::Background:
    case SystemColorIndex::AppWorkspace:
    case SystemColorIndex::InactiveCaption:
        return role(QPalette::Mid);
    case SystemColorIndex::ActiveCaption:
    case SystemColorIndex::Highlight:
    case SystemColorIndex::MenuHighlight:
        return role(QPalette::Highlight);
    case SystemColorIndex::GradientActiveCaption:
        return role(QPalette::Highlight).lighter(150);
    case SystemColorIndex::GradientInactiveCaption:
    case SystemColorIndex::Light3D:
        return role(QPalette::Midlight);
    case SystemColorIndex::Window:
        return role(QPalette::Base);
    case SystemColorIndex::WindowFrame:
    case SystemColorIndex::DarkShadow3D:
        return role(QPalette::Shadow);
    case SystemColorIndex::MenuText:
    case SystemColorIndex::InactiveCaptionText:
        return role(QPalette::WindowText);
    case SystemColorIndex::WindowText:
        return role(QPalette::Text);
    case SystemColorIndex::CaptionText:
    case SystemColorIndex::HighlightText:
        return role(QPalette::HighlightedText);
    case SystemColorIndex::ButtonShadow:
        return role(QPalette::Dark);
    case SystemColorIndex::GrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case SystemColorIndex::ButtonText:
        return role(QPalette::ButtonText);
    case SystemColorIndex::ButtonHighlight:
        return role(QPalette::Light);
    case SystemColorIndex::InfoText:
        return role(QPalette::ToolTipText);
    case SystemColorIndex::InfoBackground:
        return role(QPalette::ToolTipBase);
    case SystemColorIndex::HotLight:
        return role(QPalette::Link);
    case SystemColorIndex::ButtonFace:
        return role(QPalette::Button);
    default: // scroll bar, menu, borders, menu bar
        return role(QPalette::Window);
    }
}

} // namespace

QColor ToQColor(RgbColor color, const QColor& fallback)
{
    if (color == NoColor || color == DefaultColor)
        return fallback;
    if (IsSystemColor(color))
        return SystemQColor(SystemColorOf(color));
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

RgbColor FromQColor(const QColor& color)
{
    return RGBColor(color.red(), color.green(), color.blue());
}

RgbColor ResolvedColor(RgbColor color, RgbColor fallback)
{
    if (color == NoColor || color == DefaultColor)
        return fallback;
    return IsSystemColor(color) ? FromQColor(SystemQColor(SystemColorOf(color))) : color;
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
    return model::look::AverageColour(pixel, std::max(x1, 0), std::max(y1, 0),
                                      std::min(x2, image.width() - 1), std::min(y2, image.height() - 1));
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

} // namespace widgets::controls
