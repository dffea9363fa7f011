#include "model/session/DayFlow.h"

#include "formats/resources/PackedResources.h"

using base::dates::Date;
using base::dates::IsValidDate;
using formats::diary::DayDate;
using formats::diary::DayLoad;
using formats::diary::DiaryText;
using formats::diary::FindEntryDate;
using formats::diary::LoadDay;
using formats::diary::UpdateActiveDays;

namespace model::session {

namespace {

constexpr int MoodCount = 10;

bool HasText(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) > ' ')
            return true;
    return false;
}

} // namespace

bool DayFlow::ShouldStore(bool fromControl, const EditorContent& content)
{
    return fromControl && content.Modified && (HasText(content.Plain) || HasText(content.Title));
}

void DayFlow::Store(std::string_view bodyRtf, std::string_view title)
{
    if (!HasShownDay())
        return;
    std::string storable(title);
    if (storable.ends_with('@'))
        storable += ' ';
    session_.StoreDay({ShownYear, ShownMonth, ShownDay}, bodyRtf, storable, CurrentMood);
}

ShownEntry DayFlow::Load(const Date& date)
{
    ShownEntry entry;
    entry.Mood = CurrentMood;
    entry.Load = LoadDay(session_.Diary, store_, date.Day, date.Month, date.Year, entry.Body, entry.Title, entry.Mood);
    if (entry.Load == DayLoad::None) {
        entry = ShownEntry{};
    }
    CurrentMood = entry.Mood;
    ShownYear = date.Year;
    ShownMonth = date.Month;
    ShownDay = date.Day;
    return entry;
}

std::string DayFlow::ActiveDays(int year, int month) const
{
    return UpdateActiveDays(session_.Text(), year, month);
}

Date DayFlow::EntryDate(const Date& from, bool forward) const
{
    const DayDate found = FindEntryDate(session_.Text(), from.Day, from.Month, from.Year, forward);
    return {found.Year, found.Month, found.Day};
}

std::optional<Date> DayFlow::BrowsedDate() const
{
    const DiaryText& text = session_.Text();
    if (BrowseSelection < 0 || static_cast<size_t>(BrowseSelection) >= text.Count())
        return std::nullopt;
    const std::string& line = text[static_cast<size_t>(BrowseSelection)];
    const auto number = [&](size_t from, size_t count) {
        int value = 0;
        for (size_t i = from; i < from + count && i < line.size(); ++i)
            value = value * 10 + (line[i] >= '0' && line[i] <= '9' ? line[i] - '0' : 0);
        return value;
    };
    const Date date{number(0, 4), number(4, 2), number(6, 2)};
    if (!IsValidDate(date.Year, date.Month, date.Day))
        return std::nullopt;
    return date;
}

void DayFlow::Delete(const Date& date)
{
    session_.DeleteDay(date);
}

int DayFlow::NextMood(int mood)
{
    return mood >= MoodCount - 1 ? 0 : mood + 1;
}

int DayFlow::PreviousMood(int mood)
{
    return mood < 1 ? MoodCount - 1 : mood - 1;
}

} // namespace model::session
