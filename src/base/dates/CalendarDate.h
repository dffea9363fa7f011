// Calendar arithmetic of the proleptic Gregorian calendar, and dates as day counts from
// 30 December 1899 (the fraction of a day being the time). No Qt.
#pragma once

#include <stdexcept>

namespace calendar {

struct Date {
    int Year = 0;
    int Month = 0;
    int Day = 0;

    friend bool operator==(const Date&, const Date&) = default;
};

// Raised when year, month and day do not name a real date between the years 1 and 9999.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool IsLeapYear(int year);
int DaysPerMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(int year, int month, int day);

// Days since 30 December 1899; throws ConvertError for a date that does not exist.
double EncodeDate(int year, int month, int day);
// The day of a date-time (its time of day is ignored); throws ConvertError outside the years 1 to 9999.
Date DecodeDate(double dateTime);

// The local calendar date of the clock.
Date LocalToday();

} // namespace calendar
