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

namespace model::settings {

// Decimal (or "$" / "0x" hexadecimal) 32-bit integers, blanks around allowed.
base::result::Result<int32_t> StrToInt(std::string_view text);

base::result::Result<double> StrToFloat(std::string_view text, const platform::locale::LocaleFormat& format);
// The shortest general form, up to 15 significant digits.
std::string FloatToStr(double value, const platform::locale::LocaleFormat& format);

// A date in the locale's short date order, optionally followed by a time ("h:mm[:ss]" with an
// AM/PM word where the locale has one); or a time alone.
base::result::Result<DateTime> StrToDateTime(std::string_view text,
                                             const platform::locale::LocaleFormat& format);
// The short date, followed by the long time unless the time is exactly midnight.
std::string DateTimeToStr(DateTime value, const platform::locale::LocaleFormat& format);

} // namespace model::settings
