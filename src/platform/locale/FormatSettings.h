// How the user's locale writes numbers, dates and times, for code that turns values into text
// and back without a user interface (the settings component).
#pragma once

#include <string>

namespace platform::locale {

struct LocaleFormat {
    enum class FieldOrder { MDY, DMY, YMD };

    char DecimalSeparator = '.';
    FieldOrder DateOrder = FieldOrder::MDY;
    char DateSeparator = '/';
    bool FourDigitYear = false;
    bool DayLeadingZero = false;
    bool MonthLeadingZero = false;
    char TimeSeparator = ':';
    bool TwelveHour = true;
    bool HourLeadingZero = false;
    std::string AmText = "AM"; // in the diary code page
    std::string PmText = "PM";
};

// The settings of the current default locale (QLocale's default, so tests can choose it).
LocaleFormat FormatSettings();

} // namespace platform::locale
