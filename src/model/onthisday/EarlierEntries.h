// The entries written on the same month and day in earlier years, newest first: what the main
// window lists under "On this day" for the date its calendar shows.
#pragma once

#include "base/dates/CalendarDate.h"
#include "formats/diary/DiaryText.h"

#include <string>
#include <vector>

namespace model::onthisday {

// The most entries listed; the others are only counted.
inline constexpr size_t MaxListedEntries = 6;

struct EarlierEntry {
    base::dates::Date Date;
    int Mood = 0;      // 0 when the record holds no mood digit
    std::string Title; // trimmed, in the diary code page; empty when the entry has none
};

struct EarlierEntries {
    std::vector<EarlierEntry> Listed; // newest first, at most MaxListedEntries
    size_t More = 0;                  // the earlier entries beyond those listed
};

// The records of the date's month and day in years before the date's own.
EarlierEntries FindEarlierEntries(const formats::diary::DiaryText& text, const base::dates::Date& date);

} // namespace model::onthisday
