#include "model/birthdays/Zodiac.h"

#include "base/dates/CalendarDate.h"

using base::dates::Date;
using base::dates::DecodeDate;
using base::dates::EncodeDate;

namespace model::birthdays {

namespace {

constexpr int LeapYear = 1004;

bool Between(double date, const Zodiac& sign)
{
    return sign.StartDate() <= date && date <= sign.EndDate();
}

} // namespace

double Zodiac::StartDate() const
{
    return EncodeDate(LeapYear, StartMonth, StartDay);
}

double Zodiac::EndDate() const
{
    return EncodeDate(EndMonth < StartMonth ? LeapYear + 1 : LeapYear, EndMonth, EndDay);
}

bool Zodiac::Holds(double date) const
{
    const Date day = DecodeDate(date);
    if (Between(EncodeDate(LeapYear, day.Month, day.Day), *this))
        return true;
    // The sign that spans the turn of the year ends in the following year.
    const int dayInCommonYear = day.Month == 2 && day.Day == 29 ? 28 : day.Day;
    return Between(EncodeDate(LeapYear + 1, day.Month, dayInCommonYear), *this);
}

const std::array<Zodiac, 12>& Zodiacs()
{
    static const std::array<Zodiac, 12> signs{{
        {"Aries", 3, 21, 4, 19, 0},
        {"Taurus", 4, 20, 5, 20, 1},
        {"Gemini", 5, 21, 6, 20, 2},
        {"Cancer", 6, 21, 7, 22, 3},
        {"Leo", 7, 23, 8, 22, 4},
        {"Virgo", 8, 23, 9, 22, 5},
        {"Libra", 9, 23, 10, 22, 6},
        {"Scorpio", 10, 23, 11, 21, 7},
        {"Sagittarius", 11, 22, 12, 21, 8},
        {"Capricorn", 12, 22, 1, 19, 9},
        {"Aquarius", 1, 20, 2, 18, 10},
        {"Pisces", 2, 19, 3, 20, 11},
    }};
    return signs;
}

const Zodiac* SignOf(double date)
{
    for (const Zodiac& sign : Zodiacs())
        if (sign.Holds(date))
            return &sign;
    return nullptr;
}

} // namespace model::birthdays
