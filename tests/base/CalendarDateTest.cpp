#include "base/dates/CalendarDate.h"

#include <gtest/gtest.h>

#include <limits>

using namespace base::dates;

TEST(CalendarDate, EveryMonthEndsTheDayBeforeTheNextBegins)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    for (const int year : {1, 1900, 2000, 2023, 2024, 9998}) {
        int days = 0;
        for (int month = 1; month <= 12; ++month) {
            const int last = DaysPerMonth(year, month);
            days += last;
            EXPECT_TRUE(IsValidDate(year, month, last)) << year << "-" << month;
            EXPECT_FALSE(IsValidDate(year, month, last + 1)) << year << "-" << month;
            const double next = month == 12 ? EncodeDate(year + 1, 1, 1) : EncodeDate(year, month + 1, 1);
            EXPECT_EQ(EncodeDate(year, month, last) + 1, next) << year << "-" << month;
        }
        EXPECT_EQ(days, IsLeapYear(year) ? 366 : 365) << year;
    }
    EXPECT_EQ(DaysPerMonth(2024, 0), 0);
    EXPECT_EQ(DaysPerMonth(2024, 13), 0);
    EXPECT_FALSE(IsValidDate(2024, 1, 0));
}

TEST(CalendarDate, DayCountsStartOn30December1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1004, 2, 29), -327197.0); // the birthday keeper's year of unknown years
    EXPECT_EQ(DecodeDate(36526.75), (Date{2000, 1, 1}));
    EXPECT_EQ(DecodeDate(-1.25), (Date{1899, 12, 29})); // the time of day never moves the day
    EXPECT_EQ(DecodeDate(EncodeDate(1, 1, 1)), (Date{1, 1, 1}));
    EXPECT_EQ(DecodeDate(EncodeDate(9999, 12, 31)), (Date{9999, 12, 31}));
    for (double day = -693593; day <= 2958465; day += 997) {
        const Date date = DecodeDate(day);
        EXPECT_EQ(EncodeDate(date.Year, date.Month, date.Day), day);
    }
}

TEST(CalendarDate, TheRangeOfDayCountsIsTheYears1To9999)
{
    const double first = EncodeDate(1, 1, 1);
    const double last = EncodeDate(9999, 12, 31);
    EXPECT_TRUE(IsInDateRange(first));
    EXPECT_TRUE(IsInDateRange(last + 0.999)) << "the last day's evening";
    EXPECT_TRUE(IsInDateRange(first - 0.5)) << "the time of day never moves the day";
    EXPECT_FALSE(IsInDateRange(first - 1));
    EXPECT_FALSE(IsInDateRange(last + 1));
    EXPECT_FALSE(IsInDateRange(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsInDateRange(std::numeric_limits<double>::infinity()));
}

TEST(CalendarDate, DatesThatDoNotExistAreTheCallersError)
{
    EXPECT_THROW(EncodeDate(2023, 2, 29), ConvertError);
    EXPECT_THROW(EncodeDate(2024, 13, 1), ConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), ConvertError);
    EXPECT_THROW(EncodeDate(10000, 1, 1), ConvertError);
    EXPECT_THROW(DecodeDate(2958466), ConvertError);
    EXPECT_THROW(DecodeDate(-693594), ConvertError);
    EXPECT_THROW(DecodeDate(std::numeric_limits<double>::quiet_NaN()), ConvertError);
}

TEST(CalendarDate, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(2024, 9, 1), 1);   // Sunday
    EXPECT_EQ(DayOfWeek(2024, 1, 1), 2);   // Monday
    EXPECT_EQ(DayOfWeek(1899, 12, 30), 7); // Saturday
    EXPECT_EQ(DayOfWeek(2000, 2, 29), 3);  // Tuesday
    EXPECT_EQ(DayOfWeek(1, 1, 1), 2);      // Monday
}
