#include "model/settings/ValueText.h"

#include "base/dates/CalendarDate.h"

#include <gtest/gtest.h>

#include <optional>

using namespace base::dates;
using namespace base::result;
using namespace model::settings;
using namespace platform::locale;

namespace {

LocaleFormat German()
{
    LocaleFormat format;
    format.DecimalSeparator = ',';
    format.DateOrder = LocaleFormat::FieldOrder::DMY;
    format.DateSeparator = '.';
    format.FourDigitYear = true;
    format.DayLeadingZero = format.MonthLeadingZero = true;
    format.TwelveHour = false;
    format.HourLeadingZero = true;
    return format;
}

// The converted value, nothing when the text was refused.
template <class Value> std::optional<Value> Read(const Result<Value>& converted)
{
    return converted ? std::optional(*converted) : std::nullopt;
}

template <class Value> std::string Refusal(const Result<Value>& converted)
{
    if (converted)
        return "(accepted)";
    EXPECT_EQ(converted.Code(), Reason::Refused);
    return converted.Message();
}

} // namespace

TEST(ValueText, DateTimesFollowTheLocalesOrderAndRoundTrip)
{
    const LocaleFormat us; // M/d/yy, h:mm:ss AM
    const DateTime evening{EncodeDate(2024, 7, 4) + (21 * 3600 + 7 * 60 + 3) / 86400.0};
    EXPECT_EQ(DateTimeToStr(evening, us), "7/4/24 9:07:03 PM");
    EXPECT_EQ(DateTimeToStr(DateTime{EncodeDate(2024, 7, 4)}, us), "7/4/24") << "midnight has no time";
    EXPECT_EQ(Read(StrToDateTime("7/4/24 9:07:03 PM", us)), evening);
    EXPECT_EQ(Read(StrToDateTime("12/25/1999 12:00 AM", us)), DateTime{EncodeDate(1999, 12, 25)});
    EXPECT_EQ(Read(StrToDateTime("2/29/2024", us)), DateTime{EncodeDate(2024, 2, 29)});

    const LocaleFormat de = German();
    EXPECT_EQ(DateTimeToStr(evening, de), "04.07.2024 21:07:03");
    EXPECT_EQ(Read(StrToDateTime("04.07.2024 21:07:03", de)), evening);
    EXPECT_EQ(Read(StrToDateTime(" 4.7.2024 ", de)), DateTime{EncodeDate(2024, 7, 4)});
    EXPECT_EQ(Read(StrToDateTime("10:30", de)), DateTime{10.5 / 24});
    EXPECT_EQ(Read(StrToDateTime("31.12.2024 23:59:59", de)),
              DateTime{EncodeDate(2024, 12, 31) + 86399 / 86400.0});

    for (const char* bad :
         {"", "31.02.2024", "29.02.2023", "32.01.2024", "1.2.3.4", "04.07.2024 25:00", "today", "04/07/2024"})
        EXPECT_EQ(Refusal(StrToDateTime(bad, de)), "'" + std::string(bad) + "' is not a valid date and time");
}

TEST(ValueText, NumbersUseTheLocalesDecimalSeparator)
{
    const LocaleFormat de = German();
    EXPECT_EQ(Read(StrToFloat("1,5", de)), 1.5);
    EXPECT_EQ(Read(StrToFloat(" -2,5E3 ", de)), -2500);
    EXPECT_EQ(Refusal(StrToFloat("1.5", de)), "'1.5' is not a valid floating point value");
    EXPECT_EQ(Refusal(StrToFloat("inf", de)), "'inf' is not a valid floating point value");
    EXPECT_EQ(FloatToStr(1.5, de), "1,5");
    EXPECT_EQ(FloatToStr(0.1, LocaleFormat{}), "0.1");
    EXPECT_EQ(FloatToStr(1.5e20, LocaleFormat{}), "1.5E20");
    EXPECT_EQ(FloatToStr(1e-5, LocaleFormat{}), "1E-5");

    EXPECT_EQ(Read(StrToInt(" 42")), 42);
    EXPECT_EQ(Read(StrToInt("-2147483648")), INT32_MIN);
    EXPECT_EQ(Read(StrToInt("2147483647")), INT32_MAX);
    EXPECT_EQ(Read(StrToInt("$FF")), 255);
    EXPECT_EQ(Read(StrToInt("0xFFFFFFFF")), -1);
    for (const char* bad : {"", "2147483648", "-2147483649", "$100000000", "1.0", "12abc", "--1"})
        EXPECT_EQ(Refusal(StrToInt(bad)), "'" + std::string(bad) + "' is not a valid integer value");
}
