#include "formats/diary/DayRecords.h"

#include "base/dates/CalendarDate.h"
#include "formats/resources/PackedResources.h"

#include <cstdio>
#include <optional>
#include <stdexcept>

using base::dates::IsValidDate;
using base::result::Fail;
using base::result::Reason;
using base::result::Status;
using base::text::JoinLines;
using base::text::SplitLines;
using formats::resources::PackedResources;

namespace formats::diary {

namespace {

constexpr std::string_view Separator = "@@";
constexpr size_t KeyLength = 8;
constexpr int HighestMood = 9;
constexpr int LongestMonth = 31;
constexpr std::string_view WelcomeTitle = "Welcome to the Daybrook!";
constexpr std::string_view TemplateItem = "TemplateDiary";

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    size_t start = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
        out.append(text.substr(start, at - start));
        out.append(to);
        start = at + from.size();
    }
    out.append(text.substr(start));
    return out;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number the characters write; nothing unless they are all digits.
std::optional<int> Number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The index of the date's record, or nothing.
std::optional<size_t> RecordIndex(const DiaryText& text, const std::string& key)
{
    const size_t index = text.Find(key);
    if (index < text.Count() && text[index].starts_with(key))
        return index;
    return std::nullopt;
}

// The title as a record holds it. A title with a lone CR or LF would split the record's line
// in the file; they go too.
std::string StoredTitle(std::string_view title)
{
    std::string stored = ReplaceAll(title, "\r\n", "");
    std::erase(stored, '\r');
    std::erase(stored, '\n');
    return stored;
}

// Refuses what would not read back as written.
Status CheckRecord(int mood, std::string_view storedTitle)
{
    if (mood < 0 || mood > HighestMood)
        return Fail(Reason::Refused, "a mood is a digit from 0 to 9, not " + std::to_string(mood));
    if (!IsStorableTitle(storedTitle))
        return Fail(Reason::Refused,
                    "a title cannot hold \"@@\" or end in \"@\": " + std::string(storedTitle));
    return {};
}

} // namespace

std::string DayKey(int year, int month, int day)
{
    char key[40];
    std::snprintf(key, sizeof key, "%04d%02d%02d", year, month, day);
    return key;
}

std::string IsoDate(const DayDate& date)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

bool IsStorableTitle(std::string_view title)
{
    return title.find(Separator) == std::string_view::npos && !title.ends_with('@');
}

std::string DayRecord(int year, int month, int day, int mood, std::string_view title, std::string_view body)
{
    const std::string storedTitle = StoredTitle(title);
    if (const Status storable = CheckRecord(mood, storedTitle); !storable)
        throw std::invalid_argument(storable.Message());
    return DayKey(year, month, day) + std::to_string(mood) + storedTitle + std::string(Separator) +
           ReplaceAll(JoinLines(SplitLines(body)), "\r\n", Separator);
}

std::optional<DayDate> RecordDate(std::string_view line)
{
    if (line.size() < KeyLength)
        return std::nullopt;
    const auto year = Number(line.substr(0, 4));
    const auto month = Number(line.substr(4, 2));
    const auto day = Number(line.substr(6, 2));
    if (!year || !month || !day || !IsValidDate(*year, *month, *day))
        return std::nullopt;
    return DayDate{*year, *month, *day};
}

DayParts ParseDayRecord(std::string_view line)
{
    DayParts parts;
    parts.Date = RecordDate(line);
    if (line.size() <= KeyLength)
        return parts;
    const std::string_view rest = line.substr(KeyLength); // the mood character on
    if (IsDigit(rest[0]))
        parts.Mood = rest[0] - '0';
    const size_t separator = rest.find(Separator);
    if (separator == std::string_view::npos) {
        parts.Title = rest.substr(1);
        return parts;
    }
    if (separator > 0)
        parts.Title = rest.substr(1, separator - 1);
    parts.StoredBody = rest.substr(separator + Separator.size());
    return parts;
}

std::string DayParts::Body() const
{
    return ReplaceAll(StoredBody, Separator, "\r\n");
}

Status StoreDay(DiaryRecords& diary, int day, int month, int year, std::string_view body,
                std::string_view title, int mood)
{
    if (day < 0)
        return {};
    if (const Status storable = CheckRecord(mood, StoredTitle(title)); !storable)
        return storable;
    std::string record = DayRecord(year, month, day, mood, title, body);
    diary.Dirty = true;
    if (const auto index = RecordIndex(diary.Text, DayKey(year, month, day)))
        diary.Text.Delete(*index);
    diary.Text.Add(std::move(record));
    return {};
}

DayLoad LoadDay(DiaryRecords& diary, PackedResources& store, int day, int month, int year, std::string& body,
                std::string& title, int& mood)
{
    if (diary.NewDiary) {
        diary.NewDiary = false;
        title = WelcomeTitle;
        body = store.ItemByName(std::string(TemplateItem)).DataStream().Bytes();
        return DayLoad::Welcome;
    }
    const auto index = RecordIndex(diary.Text, DayKey(year, month, day));
    if (!index)
        return DayLoad::None;
    const DayParts parts = ParseDayRecord(diary.Text[*index]);
    mood = parts.Mood.value_or(0);
    title = parts.Title;
    body = parts.Body();
    return DayLoad::Record;
}

void DeleteDay(DiaryRecords& diary, int day, int month, int year)
{
    diary.Dirty = true;
    if (const auto index = RecordIndex(diary.Text, DayKey(year, month, day)))
        diary.Text.Delete(*index);
}

DayDate FindEntryDate(const DiaryText& text, int day, int month, int year, bool forward)
{
    const std::string key = DayKey(year, month, day);
    size_t index = text.Find(key);
    if (forward && index < text.Count()) {
        if (text[index].starts_with(key))
            ++index;
        for (; index < text.Count(); ++index)
            if (const auto date = RecordDate(text[index]))
                return *date;
        return {year, month, day};
    }
    // Backward, or forward from after the last record: the record before.
    while (index-- > 0)
        if (const auto date = RecordDate(text[index]))
            return *date;
    return {year, month, day};
}

std::string UpdateActiveDays(const DiaryText& text, int year, int month)
{
    std::string days;
    size_t index = text.Find(DayKey(year, month, 1));
    for (int examined = 0; index < text.Count() && examined < LongestMonth; ++examined, ++index) {
        const auto date = RecordDate(text[index]);
        if (date && date->Year == year && date->Month == month) {
            days += std::to_string(date->Day);
            days += ',';
        }
    }
    return days;
}

bool DayContainsText(const DiaryText& text, std::string_view needle, const BodyText& bodyText, int year,
                     int month, int day)
{
    const auto index = RecordIndex(text, DayKey(year, month, day));
    if (!index || needle.empty())
        return false;
    return bodyText(ParseDayRecord(text[*index]).Body()).find(needle) != std::string::npos;
}

} // namespace formats::diary
