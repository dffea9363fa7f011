// Numbers, dates and times as text in the user's locale, and back. Text that is not a value of
// the kind is refused with "'%s' is not a valid integer value", "'%s' is not a valid floating
// point value" or "'%s' is not a valid date and time".
#pragma once

#include "base/result/Result.h"
#include "platform/locale/FormatSettings.h"
#include "model/settings/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

// Decimal (or "$" / "0x" hexadecimal) 32-bit integers, blanks around allowed.
result::Result<int32_t> StrToInt(std::string_view text);

result::Result<double> StrToFloat(std::string_view text, const platform::LocaleFormat& format);
// The shortest general form, up to 15 significant digits.
std::string FloatToStr(double value, const platform::LocaleFormat& format);

// A date in the locale's short date order, optionally followed by a time ("h:mm[:ss]" with an
// AM/PM word where the locale has one); or a time alone.
result::Result<DateTime> StrToDateTime(std::string_view text, const platform::LocaleFormat& format);
// The short date, followed by the long time unless the time is exactly midnight.
std::string DateTimeToStr(DateTime value, const platform::LocaleFormat& format);
