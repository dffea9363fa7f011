// Birth dates as the entry dialog composes them from its three lists: the year 1004 stands for
// a year not known (a leap year, so that 29 February can be kept without a year).
#pragma once

#include <optional>
#include <vector>

namespace model::birthdays {

inline constexpr int UnknownYear = 1004;

// The years the dialog offers, newest first: from the current year (but at least 2004) down
// to 1900.
std::vector<int> OfferedYears(int currentYear);

// The date of year, month and day when they form a real calendar date; nothing otherwise (a
// month or day of 0 included).
std::optional<double> BirthDateOf(int year, int month, int day);

} // namespace model::birthdays
