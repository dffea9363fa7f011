// The clock's arithmetic, free of any toolkit: where the hands point at a given time, the 60
// mark positions, the square face in a rectangle of pixels that need not be square, the hand
// outlines, the colour of the hour marks' light edge, and the digital text.
#pragma once

#include "model/look/Colors.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace model::look {

// Positions in sixtieths of a turn, 0 at twelve o'clock, clockwise.
struct ClockHands {
    int Hour;
    int Minute;
    int Second;
};

// The hour hand moves on every 12 minutes.
ClockHands HandPositions(int hour, int minute, int second);

struct ClockPoint {
    double X;
    double Y;
};

struct ClockRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

// Pixels per millimetre across divided by pixels per millimetre down.
class ClockFace {
public:
    // The face inside `area`, made square in physical terms by shortening one side, centred.
    ClockFace(const ClockRect& area, double pixelAspect);

    const ClockRect& Face() const { return face_; }
    ClockPoint Centre() const { return centre_; }
    double Radius() const { return radius_; }

    // The point at `position` (0..59) at `percent` of the radius from the centre.
    ClockPoint At(int position, double percent) const;

    // The kite of a hand: tip, side, tail, side.
    std::array<ClockPoint, 4> HourHand(int position) const;
    std::array<ClockPoint, 4> MinuteHand(int position) const;
    // From the centre to 80 % of the radius.
    std::array<ClockPoint, 2> SecondHand(int position) const;

private:
    std::array<ClockPoint, 4> Kite(int position, double side, double tip, double tail) const;

    ClockRect face_;
    ClockPoint centre_;
    double radius_;
    std::array<ClockPoint, 60> marks_; // radius 8000, vertical part scaled by the pixel aspect
};

// The light edge of the hour marks: each non-zero channel raised by 127 (192 becomes 255);
// `highlight` when a channel is already 255.
RgbColor LighterDotColor(RgbColor dots, RgbColor highlight);

// "hh:mm", "h:mm", with ":ss" and " AM"/" PM" as asked.
std::string ClockText(int hour, int minute, int second, bool showSeconds, bool twelveHour, bool leadingZero,
                      std::string_view am, std::string_view pm);

// The text whose width decides the digital font size.
std::string ClockSampleText(bool showSeconds, bool twelveHour, std::string_view am, std::string_view pm);

} // namespace model::look
