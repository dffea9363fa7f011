#include "base/dates/CalendarDate.h"

#include <cmath>
#include <ctime>
#include <string>

namespace base::dates {

namespace {

constexpr int MinYear = 1;
constexpr int MaxYear = 9999;

// Days from 1 January 1970 to the given date (proleptic Gregorian calendar).
long DaysFromCivil(long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date CivilFromDays(long days)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

const long DateEpoch = DaysFromCivil(1899, 12, 30);

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysPerMonth(int year, int month)
{
    static constexpr int MonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return MonthLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day)
{
    return year >= MinYear && year <= MaxYear && day >= 1 && day <= DaysPerMonth(year, month);
}

int DayOfWeek(int year, int month, int day)
{
    const long days = DaysFromCivil(year, month, day); // 1 January 1970 was a Thursday
    return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;
}

double EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        throw ConvertError("There is no date " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                            std::to_string(day));
    return static_cast<double>(DaysFromCivil(year, month, day) - DateEpoch);
}

bool IsInDateRange(double dateTime)
{
    static const double first = EncodeDate(MinYear, 1, 1);
    static const double last = EncodeDate(MaxYear, 12, 31);
    const double day = std::trunc(dateTime);
    return day >= first && day <= last;
}

Date DecodeDate(double dateTime)
{
    if (!IsInDateRange(dateTime))
        throw ConvertError("The date-time value " + std::to_string(dateTime) + " is out of range");
    return CivilFromDays(static_cast<long>(std::trunc(dateTime)) + DateEpoch);
}

Date LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace base::dates
