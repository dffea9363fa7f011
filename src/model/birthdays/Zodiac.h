// The twelve signs of the zodiac, each the range of days it covers, and the sign of a date.
#pragma once

#include <array>
#include <string>

namespace model::birthdays {

struct Zodiac {
    std::string Name;
    int StartMonth;
    int StartDay;
    int EndMonth;
    int EndDay;
    int ImageIndex;

    // The first and the last day of the sign in the leap year 1004; the last one falls in 1005
    // for the sign that spans the turn of the year.
    double StartDate() const;
    double EndDate() const;
    // Whether the sign covers the month and day of date (both ends belong to it).
    bool Holds(double date) const;
};

// Aries first, Pisces last.
const std::array<Zodiac, 12>& Zodiacs();

// The first sign that covers the month and day of date; nullptr when none does.
const Zodiac* SignOf(double date);

} // namespace model::birthdays
