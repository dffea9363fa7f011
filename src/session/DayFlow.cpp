#include "session/DayFlow.h"

#include "storage/ResStore.h"

#include <algorithm>

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

bool TDayFlow::ShouldStore(bool fromControl, const TEditorContent& content)
{
    return fromControl && content.Modified && (HasText(content.Plain) || HasText(content.Title));
}

void TDayFlow::Store(std::string_view bodyRtf, std::string_view title)
{
    if (!HasShownDay())
        return;
    std::string storable(title);
    if (storable.ends_with('@'))
        storable += ' ';
    StoreDay(session_.Diary, ShownDay, ShownMonth, ShownYear, bodyRtf, storable, CurrentMood);
    ++revision_;
}

TShownEntry TDayFlow::Load(const calendar::TDate& date)
{
    TShownEntry entry;
    entry.Mood = CurrentMood;
    entry.Load = LoadDay(session_.Diary, store_, date.Day, date.Month, date.Year, entry.Body, entry.Title, entry.Mood);
    if (entry.Load == TDayLoad::dlNone) {
        entry = TShownEntry{};
    }
    CurrentMood = entry.Mood;
    ShownYear = date.Year;
    ShownMonth = date.Month;
    ShownDay = date.Day;
    return entry;
}

std::string TDayFlow::ActiveDays(int year, int month) const
{
    return UpdateActiveDays(session_.DiaryText(), year, month);
}

calendar::TDate TDayFlow::EntryDate(const calendar::TDate& from, bool forward) const
{
    const TDayDate found = FindEntryDate(session_.DiaryText(), from.Day, from.Month, from.Year, forward);
    return {found.Year, found.Month, found.Day};
}

std::optional<calendar::TDate> TDayFlow::BrowsedDate() const
{
    const TDiaryText& text = session_.DiaryText();
    if (BrowseSelection < 0 || static_cast<size_t>(BrowseSelection) >= text.Count())
        return std::nullopt;
    const std::string& line = text[static_cast<size_t>(BrowseSelection)];
    const auto number = [&](size_t from, size_t count) {
        int value = 0;
        for (size_t i = from; i < from + count && i < line.size(); ++i)
            value = value * 10 + (line[i] >= '0' && line[i] <= '9' ? line[i] - '0' : 0);
        return value;
    };
    const calendar::TDate date{number(0, 4), number(4, 2), number(6, 2)};
    if (!calendar::IsValidDate(date.Year, date.Month, date.Day))
        return std::nullopt;
    return date;
}

void TDayFlow::Delete(const calendar::TDate& date)
{
    DeleteDay(session_.Diary, date.Day, date.Month, date.Year);
    ++revision_;
}

int TDayFlow::NextMood(int mood)
{
    return mood >= MoodCount - 1 ? 0 : mood + 1;
}

int TDayFlow::PreviousMood(int mood)
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
