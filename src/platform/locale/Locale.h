// The user's locale as the windows show it: day and month names, the short date, AM and PM.
// Days are numbered 1 = Sunday to 7 = Saturday, months 1 = January to 12 = December.
#pragma once

#include <QString>

namespace platform::locale {

QString LongDayName(int day);
QString ShortDayName(int day);
QString LongMonthName(int month);
QString ShortMonthName(int month);

// The locale's short date, e.g. "1/5/02" or "05.01.2002".
QString FormatShortDate(int year, int month, int day);

QString AmText();
QString PmText();

} // namespace platform::locale
