#include "platform/Locale.h"

#include <QDate>
#include <QLocale>

namespace platform {

namespace {

// Qt numbers the days 1 = Monday to 7 = Sunday.
int QtDay(int day)
{
    return day == 1 ? 7 : day - 1;
}

} // namespace

QString LongDayName(int day)
{
    return QLocale().dayName(QtDay(day), QLocale::LongFormat);
}

QString ShortDayName(int day)
{
    return QLocale().dayName(QtDay(day), QLocale::ShortFormat);
}

QString LongMonthName(int month)
{
    return QLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString ShortMonthName(int month)
{
    return QLocale().standaloneMonthName(month, QLocale::ShortFormat);
}

QString FormatShortDate(int year, int month, int day)
{
    return QLocale().toString(QDate(year, month, day), QLocale::ShortFormat);
}

QString AmText()
{
    return QLocale().amText();
}

QString PmText()
{
    return QLocale().pmText();
}

} // namespace platform
