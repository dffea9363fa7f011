#include "model/birthdays/BirthDate.h"

#include "base/dates/CalendarDate.h"

#include <algorithm>

using base::dates::EncodeDate;
using base::dates::IsValidDate;

namespace model::birthdays {

std::vector<int> OfferedYears(int currentYear)
{
    std::vector<int> years;
    for (int year = std::max(currentYear, 2004); year >= 1900; --year)
        years.push_back(year);
    return years;
}

std::optional<double> BirthDateOf(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    return EncodeDate(year, month, day);
}

} // namespace model::birthdays
