// The clock's arithmetic, free of any toolkit: where the hands point at a given time, the 60
// mark positions, the square face in a rectangle of pixels that need not be square, the hand
// outlines, the colour of the hour marks' light edge, and the digital text.
#pragma once

#include "widgets/Colors.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace widgets {

// Positions in sixtieths of a turn, 0 at twelve o'clock, clockwise.
struct TClockHands {
    int Hour;
    int Minute;
    int Second;
};

// The hour hand moves on every 12 minutes.
TClockHands HandPositions(int hour, int minute, int second);

struct TClockPoint {
    double X;
    double Y;
};

struct TClockRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

// Pixels per millimetre across divided by pixels per millimetre down.
class TClockFace {
public:
    // The face inside `area`, made square in physical terms by shortening one side, centred.
    TClockFace(const TClockRect& area, double pixelAspect);

    const TClockRect& Face() const { return face_; }
    TClockPoint Centre() const { return centre_; }
    double Radius() const { return radius_; }

    // The point at `position` (0..59) at `percent` of the radius from the centre.
    TClockPoint At(int position, double percent) const;

    // The kite of a hand: tip, side, tail, side.
    std::array<TClockPoint, 4> HourHand(int position) const;
    std::array<TClockPoint, 4> MinuteHand(int position) const;
    // From the centre to 80 % of the radius.
    std::array<TClockPoint, 2> SecondHand(int position) const;

private:
    std::array<TClockPoint, 4> Kite(int position, double side, double tip, double tail) const;

    TClockRect face_;
    TClockPoint centre_;
    double radius_;
    std::array<TClockPoint, 60> marks_; // radius 8000, vertical part scaled by the pixel aspect
};

// The light edge of the hour marks: each non-zero channel raised by 127 (192 becomes 255);
// `highlight` when a channel is already 255.
TColor LighterDotColor(TColor dots, TColor highlight);

// "hh:mm", "h:mm", with ":ss" and " AM"/" PM" as asked.
std::string ClockText(int hour, int minute, int second, bool showSeconds, bool twelveHour, bool leadingZero,
                      std::string_view am, std::string_view pm);

// The text whose width decides the digital font size.
std::string ClockSampleText(bool showSeconds, bool twelveHour, std::string_view am, std::string_view pm);

} // namespace widgets
