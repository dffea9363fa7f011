#include "formats/diary/DayRecords.h"

#include "formats/resources/PackedResources.h"

#include <cstdio>
#include <optional>

namespace {

constexpr std::string_view Separator = "@@";
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

// A number written in the digits of text; other characters count as 0.
int DigitsValue(std::string_view text)
{
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    return value;
}

DayDate DateOfRecord(std::string_view line)
{
    return {DigitsValue(line.substr(0, 4)), DigitsValue(line.substr(4, 2)), DigitsValue(line.substr(6, 2))};
}

// The index of the date's record, or nothing.
std::optional<size_t> RecordIndex(const DiaryText& text, const std::string& key)
{
    const size_t index = text.Find(key);
    if (index < text.Count() && text[index].starts_with(key))
        return index;
    return std::nullopt;
}

} // namespace

std::string DayKey(int Year, int Month, int Day)
{
    char key[40];
    std::snprintf(key, sizeof key, "%04d%02d%02d", Year, Month, Day);
    return key;
}

bool IsStorableTitle(std::string_view Title)
{
    return Title.find(Separator) == std::string_view::npos && !Title.ends_with('@');
}

std::string DayRecord(int Year, int Month, int Day, int Mood, std::string_view Title, std::string_view Body)
{
    if (Mood < 0 || Mood > 9)
        throw DayRecordError("a mood is a digit from 0 to 9, not " + std::to_string(Mood));
    // A title with a lone CR or LF would split the record's line in the file; they go too.
    std::string title = ReplaceAll(Title, "\r\n", "");
    std::erase(title, '\r');
    std::erase(title, '\n');
    if (!IsStorableTitle(title))
        throw DayRecordError("a title cannot hold \"@@\" or end in \"@\": " + title);
    return DayKey(Year, Month, Day) + std::to_string(Mood) + title + std::string(Separator) +
           ReplaceAll(JoinLines(SplitLines(Body)), "\r\n", Separator);
}

DayParts ParseDayRecord(std::string_view line)
{
    DayParts parts;
    const std::string_view rest = line.size() > 8 ? line.substr(8) : std::string_view();
    if (rest.empty())
        return parts;
    if (rest[0] >= '0' && rest[0] <= '9')
        parts.Mood = rest[0] - '0';
    const size_t separator = rest.find(Separator);
    if (separator == std::string_view::npos) {
        parts.Title = rest.substr(1);
        return parts;
    }
    parts.Title = separator >= 1 ? std::string(rest.substr(1, separator - 1)) : std::string();
    parts.Body = ReplaceAll(rest.substr(separator + Separator.size()), Separator, "\r\n");
    return parts;
}

void StoreDay(DiaryRecords& diary, int Day, int Month, int Year, std::string_view Body, std::string_view Title, int Mood)
{
    if (Day < 0)
        return;
    std::string record = DayRecord(Year, Month, Day, Mood, Title, Body);
    diary.Dirty = true;
    if (const auto index = RecordIndex(diary.Text, DayKey(Year, Month, Day)))
        diary.Text.Delete(*index);
    diary.Text.Add(std::move(record));
}

DayLoad LoadDay(DiaryRecords& diary, PackedResources& store, int Day, int Month, int Year, std::string& Body,
                 std::string& Title, int& Mood)
{
    if (diary.NewDiary) {
        diary.NewDiary = false;
        Title = WelcomeTitle;
        Body = store.ItemByName(std::string(TemplateItem)).DataStream().Bytes();
        return DayLoad::dlWelcome;
    }
    const auto index = RecordIndex(diary.Text, DayKey(Year, Month, Day));
    if (!index)
        return DayLoad::dlNone;
    DayParts parts = ParseDayRecord(diary.Text[*index]);
    Mood = parts.Mood;
    Title = std::move(parts.Title);
    Body = std::move(parts.Body);
    return DayLoad::dlRecord;
}

void DeleteDay(DiaryRecords& diary, int Day, int Month, int Year)
{
    diary.Dirty = true;
    if (const auto index = RecordIndex(diary.Text, DayKey(Year, Month, Day)))
        diary.Text.Delete(*index);
}

DayDate FindEntryDate(const DiaryText& text, int Day, int Month, int Year, bool Forward)
{
    const std::string key = DayKey(Year, Month, Day);
    size_t index = text.Find(key);
    if (Forward && index < text.Count()) {
        if (text[index].starts_with(key))
            ++index;
        if (index < text.Count())
            return DateOfRecord(text[index]);
        return {Year, Month, Day};
    }
    if (index > 0)
        return DateOfRecord(text[index - 1]);
    return {Year, Month, Day};
}

std::string UpdateActiveDays(const DiaryText& text, int Year, int Month)
{
    const std::string prefix = DayKey(Year, Month, 1).substr(0, 6);
    std::string days;
    size_t index = text.Find(DayKey(Year, Month, 1));
    for (int examined = 0; index < text.Count() && examined < 31; ++examined, ++index) {
        const std::string& line = text[index];
        if (line.starts_with(prefix)) {
            days += std::to_string(DigitsValue(std::string_view(line).substr(6, 2)));
            days += ',';
        }
    }
    return days;
}

bool DayContainsText(const DiaryText& text, std::string_view Needle, const BodyText& bodyText, int Year,
                     int Month, int Day)
{
    const auto index = RecordIndex(text, DayKey(Year, Month, Day));
    if (!index || Needle.empty())
        return false;
    return bodyText(ParseDayRecord(text[*index]).Body).find(Needle) != std::string::npos;
}
