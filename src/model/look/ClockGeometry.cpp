#include "model/look/ClockGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace model::look {

namespace {

constexpr double TableRadius = 8000.0;

int Wrap(int position)
{
    return ((position % 60) + 60) % 60;
}

} // namespace

ClockHands HandPositions(int hour, int minute, int second)
{
    return {(hour % 12) * 5 + minute / 12, minute, second};
}

ClockFace::ClockFace(const ClockRect& area, double pixelAspect) : face_(area)
{
    const double aspect = pixelAspect > 0 ? pixelAspect : 1.0;
    // Physical width and height in units of vertical pixels.
    if (area.Width / aspect > area.Height) {
        face_.Width = static_cast<int>(std::lround(area.Height * aspect));
        face_.Left = area.Left + (area.Width - face_.Width) / 2;
    } else {
        face_.Height = static_cast<int>(std::lround(area.Width / aspect));
        face_.Top = area.Top + (area.Height - face_.Height) / 2;
    }
    radius_ = face_.Width / 2.0;
    centre_ = {face_.Left + face_.Width / 2.0, face_.Top + face_.Height / 2.0};
    for (int k = 0; k < 60; ++k) {
        const double angle = k * 6.0 * M_PI / 180.0;
        marks_[static_cast<std::size_t>(k)] = {TableRadius * std::sin(angle),
                                               -TableRadius * std::cos(angle) / aspect};
    }
}

ClockPoint ClockFace::At(int position, double percent) const
{
    const ClockPoint& mark = marks_[static_cast<std::size_t>(Wrap(position))];
    const double length = radius_ * percent / 100.0;
    return {centre_.X + mark.X * length / TableRadius, centre_.Y + mark.Y * length / TableRadius};
}

std::array<ClockPoint, 4> ClockFace::Kite(int position, double side, double tip, double tail) const
{
    return {At(position, tip), At(position + 15, side), At(position + 30, tail), At(position - 15, side)};
}

std::array<ClockPoint, 4> ClockFace::HourHand(int position) const
{
    return Kite(position, 7, 60, 15);
}

std::array<ClockPoint, 4> ClockFace::MinuteHand(int position) const
{
    return Kite(position, 5, 80, 20);
}

std::array<ClockPoint, 2> ClockFace::SecondHand(int position) const
{
    return {centre_, At(position, 80)};
}

RgbColor LighterDotColor(RgbColor dots, RgbColor highlight)
{
    const int channels[] = {RedOf(dots), GreenOf(dots), BlueOf(dots)};
    if (std::any_of(std::begin(channels), std::end(channels), [](int c) { return c == 255; }))
        return highlight;
    const auto raise = [](int c) { return c == 0 ? 0 : std::min(c + 127, 255); };
    return RGBColor(raise(channels[0]), raise(channels[1]), raise(channels[2]));
}

std::string ClockText(int hour, int minute, int second, bool showSeconds, bool twelveHour, bool leadingZero,
                      std::string_view am, std::string_view pm)
{
    int shownHour = hour;
    if (twelveHour)
        shownHour = hour % 12 == 0 ? 12 : hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, leadingZero ? "%02d:%02d" : "%d:%02d", shownHour, minute);
    std::string result = text;
    if (showSeconds) {
        std::snprintf(text, sizeof text, ":%02d", second);
        result += text;
    }
    if (twelveHour)
        result.append(" ").append(hour < 12 ? am : pm);
    return result;
}

std::string ClockSampleText(bool showSeconds, bool twelveHour, std::string_view am, std::string_view pm)
{
    std::string sample = showSeconds ? "88888888" : "88888";
    if (twelveHour)
        sample.append(" ").append(am.size() >= pm.size() ? am : pm);
    return sample;
}

} // namespace model::look
