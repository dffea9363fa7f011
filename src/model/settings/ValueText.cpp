#include "model/settings/ValueText.h"

#include "base/dates/CalendarDate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

using base::dates::DecodeDate;
using base::dates::EncodeDate;
using base::dates::IsValidDate;
using base::dates::LocalToday;
using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::result::Result;
using platform::locale::LocaleFormat;

namespace model::settings {

using platform::locale::LocaleFormat;

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "'<text>' <what>": the whole text as it was given, in quotes.
Failure Refusal(std::string_view text, std::string_view what)
{
    std::string message(1, '\'');
    message.append(text);
    message.append("' ");
    message.append(what);
    return Fail(Reason::Refused, std::move(message));
}

// Two-digit years fall into the 100 years that start 50 years before the current one.
int ExpandYear(int year, size_t digits)
{
    if (digits > 2)
        return year;
    const int window = LocalToday().Year - 50;
    year += window / 100 * 100;
    return year < window ? year + 100 : year;
}

// Splits "12/31/2024" into its numbers; nothing when anything but digits and separators.
std::optional<std::vector<std::string_view>> DateParts(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (part.empty() || part.size() > 4 ||
            !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        parts.push_back(part);
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

int Number(std::string_view digits)
{
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::optional<double> ScanDate(std::string_view text, const LocaleFormat& format)
{
    const auto parts = DateParts(text, format.DateSeparator);
    if (!parts || parts->size() < 2 || parts->size() > 3)
        return std::nullopt;
    int year = LocalToday().Year, month = 0, day = 0;
    size_t yearDigits = 4;
    const auto& p = *parts;
    using Order = LocaleFormat::FieldOrder;
    if (p.size() == 2) {
        month = Number(p[format.DateOrder == Order::DMY ? 1 : 0]);
        day = Number(p[format.DateOrder == Order::DMY ? 0 : 1]);
    } else {
        const size_t y = format.DateOrder == Order::YMD ? 0 : 2;
        const size_t m = format.DateOrder == Order::MDY ? 0 : 1;
        const size_t d = format.DateOrder == Order::DMY ? 0 : format.DateOrder == Order::MDY ? 1 : 2;
        year = Number(p[y]);
        yearDigits = p[y].size();
        month = Number(p[m]);
        day = Number(p[d]);
    }
    year = ExpandYear(year, yearDigits);
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    return EncodeDate(year, month, day);
}

bool StartsWithWord(std::string_view text, std::string_view word)
{
    return !word.empty() && text.size() >= word.size() &&
           std::equal(word.begin(), word.end(), text.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}

// "h:mm[:ss]" with an optional AM/PM word before or after; the fraction of a day.
std::optional<double> ScanTime(std::string_view text, const LocaleFormat& format)
{
    int half = 0; // 1: AM, 2: PM
    const auto takeHalf = [&](std::string_view& rest, bool atEnd) {
        for (const auto& [word, value] :
             {std::pair{std::string_view(format.AmText), 1}, std::pair{std::string_view(format.PmText), 2},
              std::pair{std::string_view("AM"), 1}, std::pair{std::string_view("PM"), 2}}) {
            const bool found = atEnd ? rest.size() >= word.size() &&
                                           StartsWithWord(rest.substr(rest.size() - word.size()), word)
                                     : StartsWithWord(rest, word);
            if (found) {
                half = value;
                rest = Trimmed(atEnd ? rest.substr(0, rest.size() - word.size()) : rest.substr(word.size()));
                return;
            }
        }
    };
    takeHalf(text, false);
    if (half == 0)
        takeHalf(text, true);
    const auto parts = DateParts(text, format.TimeSeparator);
    if (!parts || parts->size() > 3 || (*parts)[0].size() > 2)
        return std::nullopt;
    int hour = Number((*parts)[0]);
    const int minute = parts->size() > 1 ? Number((*parts)[1]) : 0;
    const int second = parts->size() > 2 ? Number((*parts)[2]) : 0;
    if (half != 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == 2 ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::string TwoDigits(int value, bool leadingZero)
{
    char text[16];
    std::snprintf(text, sizeof text, leadingZero ? "%02d" : "%d", value);
    return text;
}

} // namespace

Result<int32_t> StrToInt(std::string_view text)
{
    const auto refuse = [text] { return Refusal(text, "is not a valid integer value"); };
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || magnitude < 0)
        return refuse();
    const int64_t value = negative ? -magnitude : magnitude;
    // Hexadecimal texts may give the bits of a negative number ($FFFFFFFF is -1).
    if (base == 16 && !negative && value <= 0xFFFFFFFF)
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (value < INT32_MIN || value > INT32_MAX)
        return refuse();
    return static_cast<int32_t>(value);
}

Result<double> StrToFloat(std::string_view text, const LocaleFormat& format)
{
    const auto refuse = [text] { return Refusal(text, "is not a valid floating point value"); };
    std::string plain(Trimmed(text));
    if (plain.starts_with('+'))
        plain.erase(0, 1);
    for (char& c : plain) {
        if (c == format.DecimalSeparator)
            c = '.';
        else if (!(std::isdigit(static_cast<unsigned char>(c)) || c == 'e' || c == 'E' || c == '-' ||
                   c == '+'))
            return refuse();
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (plain.empty() || error != std::errc() || end != plain.data() + plain.size())
        return refuse();
    return value;
}

std::string FloatToStr(double value, const LocaleFormat& format)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    // "1.5e+20" is written "1.5E20", "1e-05" is written "1E-5".
    if (const size_t e = text.find('e'); e != std::string::npos) {
        std::string exponent = text.substr(e + 1);
        const bool negative = exponent.front() == '-';
        exponent.erase(0, exponent.find_first_not_of("+-0"));
        text = text.substr(0, e) + (negative ? "E-" : "E") + exponent;
    }
    std::replace(text.begin(), text.end(), '.', format.DecimalSeparator);
    return text;
}

Result<DateTime> StrToDateTime(std::string_view text, const LocaleFormat& format)
{
    const auto refuse = [text] { return Refusal(text, "is not a valid date and time"); };
    text = Trimmed(text);
    const size_t blank = text.find(' ');
    const std::string_view first = text.substr(0, blank);
    if (const auto date = ScanDate(first, format)) {
        if (blank == std::string_view::npos)
            return DateTime{*date};
        const auto time = ScanTime(Trimmed(text.substr(blank)), format);
        if (!time)
            return refuse();
        return DateTime{*date >= 0 ? *date + *time : *date - *time};
    }
    if (const auto time = ScanTime(text, format))
        return DateTime{*time};
    return refuse();
}

std::string DateTimeToStr(DateTime value, const LocaleFormat& format)
{
    const double days = std::trunc(value.Value);
    const auto [year, month, day] = DecodeDate(days);
    const std::string sep(1, format.DateSeparator);
    const std::string y = format.FourDigitYear ? std::to_string(year) : TwoDigits(year % 100, true);
    const std::string m = TwoDigits(month, format.MonthLeadingZero);
    const std::string d = TwoDigits(day, format.DayLeadingZero);
    using Order = LocaleFormat::FieldOrder;
    std::string text = format.DateOrder == Order::YMD   ? y + sep + m + sep + d
                       : format.DateOrder == Order::DMY ? d + sep + m + sep + y
                                                        : m + sep + d + sep + y;
    const auto milliseconds = static_cast<int64_t>(std::llround(std::fabs(value.Value - days) * 86400000.0));
    const int64_t seconds = milliseconds / 1000;
    if (seconds == 0)
        return text;
    const int hour = static_cast<int>(seconds / 3600), minute = static_cast<int>(seconds / 60 % 60),
              second = static_cast<int>(seconds % 60);
    const std::string tsep(1, format.TimeSeparator);
    const int shownHour = format.TwelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    text += ' ' + TwoDigits(shownHour, format.HourLeadingZero) + tsep + TwoDigits(minute, true) + tsep +
            TwoDigits(second, true);
    if (format.TwelveHour)
        text += ' ' + (hour < 12 ? format.AmText : format.PmText);
    return text;
}

} // namespace model::settings
