#include "model/session/DayFlow.h"

#include "formats/resources/PackedResources.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int MoodCount = 10;
constexpr int FirstWriteDelayMs = 3000;
constexpr int WriteIntervalMs = 30000;

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
    // The title is made storable above and moods run from 0 to 9: a refusal is a fault here.
    if (const result::Status stored = StoreDay(session_.Diary, ShownDay, ShownMonth, ShownYear, bodyRtf, storable, CurrentMood); !stored)
        throw std::logic_error(stored.Message());
    ++revision_;
}

ShownEntry DayFlow::Load(const calendar::Date& date)
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

calendar::Date DayFlow::EntryDate(const calendar::Date& from, bool forward) const
{
    const DayDate found = FindEntryDate(session_.Text(), from.Day, from.Month, from.Year, forward);
    return {found.Year, found.Month, found.Day};
}

std::optional<calendar::Date> DayFlow::BrowsedDate() const
{
    const DiaryText& text = session_.Text();
    if (BrowseSelection < 0 || static_cast<size_t>(BrowseSelection) >= text.Count())
        return std::nullopt;
    const auto date = RecordDate(text[static_cast<size_t>(BrowseSelection)]);
    if (!date)
        return std::nullopt;
    return calendar::Date{date->Year, date->Month, date->Day};
}

void DayFlow::Delete(const calendar::Date& date)
{
    DeleteDay(session_.Diary, date.Day, date.Month, date.Year);
    ++revision_;
}

int DayFlow::NextMood(int mood)
{
    return mood >= MoodCount - 1 ? 0 : mood + 1;
}

int DayFlow::PreviousMood(int mood)
{
    return mood < 1 ? MoodCount - 1 : mood - 1;
}

int RecoveryDelayMs(std::optional<long long> msSinceLastWrite)
{
    if (!msSinceLastWrite)
        return FirstWriteDelayMs;
    const long long wait = WriteIntervalMs - *msSinceLastWrite;
    return static_cast<int>(std::max<long long>(FirstWriteDelayMs, wait));
}
