// How the user's locale writes numbers, dates and times, for code that turns values into text
// and back without a user interface (the settings component).
#pragma once

#include <string>

namespace platform {

struct TFormatSettings {
    enum class TDateOrder { MDY, DMY, YMD };

    char DecimalSeparator = '.';
    TDateOrder DateOrder = TDateOrder::MDY;
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
TFormatSettings FormatSettings();

} // namespace platform
