// Signs of the zodiac at every boundary, and the dates the entry dialog composes.
#include "model/birthdays/Zodiac.h"
#include "model/birthdays/BirthDate.h"

#include "base/dates/CalendarDate.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace base::dates;
using namespace model::birthdays;

namespace {

std::string SignName(int year, int month, int day)
{
    const Zodiac* sign = SignOf(EncodeDate(year, month, day));
    return sign == nullptr ? "none" : sign->Name;
}

} // namespace

TEST(Zodiac, BothEndsOfEverySignBelongToIt)
{
    for (const Zodiac& sign : Zodiacs()) {
        EXPECT_EQ(SignName(1987, sign.StartMonth, sign.StartDay), sign.Name);
        EXPECT_EQ(SignName(1987, sign.EndMonth, sign.EndDay), sign.Name);
        EXPECT_EQ(SignName(UnknownYear, sign.StartMonth, sign.StartDay), sign.Name);
    }
}

TEST(Zodiac, TheTurnOfTheYearAndTheLeapDay)
{
    // The ends of the signs are checked above; here the days inside the year's turn and 29 February.
    for (const auto& [year, month, day, name] : {std::tuple{1990, 1, 1, "Capricorn"},
                                                 {UnknownYear, 2, 29, "Pisces"},
                                                 {2024, 2, 29, "Pisces"}})
        EXPECT_EQ(SignName(year, month, day), name) << year << "-" << month << "-" << day;
    // Every day of a leap year has exactly one sign.
    for (double date = EncodeDate(2024, 1, 1); date <= EncodeDate(2024, 12, 31); ++date) {
        int holders = 0;
        for (const Zodiac& sign : Zodiacs())
            holders += sign.Holds(date) ? 1 : 0;
        EXPECT_EQ(holders, 1) << date;
    }
}

TEST(BirthDate, TheDialogsListsFormRealDatesOnly)
{
    EXPECT_EQ(BirthDateOf(UnknownYear, 2, 29), EncodeDate(1004, 2, 29));
    EXPECT_EQ(BirthDateOf(2003, 2, 29), std::nullopt);
    EXPECT_EQ(BirthDateOf(1990, 4, 31), std::nullopt);
    EXPECT_EQ(BirthDateOf(1990, 0, 5), std::nullopt);
    EXPECT_EQ(BirthDateOf(1990, 12, 31), EncodeDate(1990, 12, 31));

    const std::vector<int> years = OfferedYears(2001);
    EXPECT_EQ(std::tuple(years.front(), years.back(), years.size()), std::tuple(2004, 1900, 105u));
    EXPECT_EQ(OfferedYears(2031).front(), 2031);
}
