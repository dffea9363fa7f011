#include "platform/locale/Locale.h"

#include "platform/locale/FormatSettings.h"
#include "platform/locale/QtText.h"

#include <QDate>
#include <QLocale>

namespace platform::locale {

namespace {

// Qt numbers the days 1 = Monday to 7 = Sunday.
int QtDay(int day)
{
    return day == 1 ? 7 : day - 1;
}

// The first character of a locale's separator when it is plain ASCII, else the fallback.
char AsciiSeparator(const QString& text, char fallback)
{
    return !text.isEmpty() && text[0].unicode() < 0x80 && !text[0].isLetterOrNumber() ? text[0].toLatin1()
                                                                                      : fallback;
}

} // namespace

LocaleFormat FormatSettings()
{
    const QLocale locale;
    LocaleFormat settings;
    settings.DecimalSeparator = AsciiSeparator(locale.decimalPoint(), '.');

    const QString date = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = date.indexOf('d'), month = date.indexOf('M'), year = date.indexOf('y');
    if (year >= 0 && year < month && year < day)
        settings.DateOrder = LocaleFormat::FieldOrder::YMD;
    else if (day >= 0 && day < month)
        settings.DateOrder = LocaleFormat::FieldOrder::DMY;
    for (const QChar c : date)
        if (!c.isLetter() && c != '\'' && c != ' ') {
            settings.DateSeparator = AsciiSeparator(c, '/');
            break;
        }
    settings.FourDigitYear = date.contains(QStringLiteral("yyyy"));
    settings.DayLeadingZero = date.contains(QStringLiteral("dd"));
    settings.MonthLeadingZero = date.contains(QStringLiteral("MM"));

    const QString time = locale.timeFormat(QLocale::LongFormat);
    settings.TwelveHour = time.contains('a', Qt::CaseInsensitive);
    settings.HourLeadingZero = time.contains(QStringLiteral("hh"), Qt::CaseInsensitive);
    const qsizetype minute = time.indexOf('m');
    settings.TimeSeparator = minute > 0 ? AsciiSeparator(time.mid(minute - 1, 1), ':') : ':';
    settings.AmText = ToDiaryText(locale.amText()).value_or("AM");
    settings.PmText = ToDiaryText(locale.pmText()).value_or("PM");
    return settings;
}

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

} // namespace platform::locale
