// Calendar arithmetic of the proleptic Gregorian calendar, and dates as day counts from
// 30 December 1899 (the fraction of a day being the time). No Qt.
#pragma once

#include <stdexcept>

namespace base::dates {

struct Date {
    int Year = 0;
    int Month = 0;
    int Day = 0;

    friend bool operator==(const Date&, const Date&) = default;
};

// Raised for a caller's error: a date handed to EncodeDate that does not exist, or a day count
// handed to DecodeDate outside the years 1 to 9999 (IsValidDate and IsInDateRange tell first).
class ConvertError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

bool IsLeapYear(int year);
int DaysPerMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(int year, int month, int day);

// Whether a date-time's day lies within the years 1 to 9999 (NaN does not).
bool IsInDateRange(double dateTime);

// Days since 30 December 1899 of a date that exists (ConvertError otherwise).
double EncodeDate(int year, int month, int day);
// The day of a date-time that IsInDateRange (ConvertError otherwise); its time of day is ignored.
Date DecodeDate(double dateTime);

// The local calendar date of the clock.
Date LocalToday();

} // namespace base::dates
