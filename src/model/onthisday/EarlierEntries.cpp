#include "model/onthisday/EarlierEntries.h"

#include "formats/diary/DayRecords.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

using base::dates::Date;
using formats::diary::DiaryText;
using formats::diary::ParseDayRecord;

namespace model::onthisday {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

EarlierEntries FindEarlierEntries(const DiaryText& text, const Date& date)
{
    // A record line starts with its date key, "YYYYMMDD": the month and day are compared in
    // place, and only the lines that match are taken apart.
    char monthDay[8];
    std::snprintf(monthDay, sizeof monthDay, "%02d%02d", date.Month % 100, date.Day % 100);
    std::vector<EarlierEntry> found;
    for (const std::string& line : text.Lines()) {
        if (line.size() < 8 || line.compare(4, 4, monthDay, 4) != 0)
            continue;
        const auto parts = ParseDayRecord(line);
        if (!parts.Date || parts.Date->Year >= date.Year)
            continue;
        found.push_back(EarlierEntry{Date{parts.Date->Year, parts.Date->Month, parts.Date->Day},
                                     parts.Mood.value_or(0), std::string(Trimmed(parts.Title))});
    }
    std::sort(found.begin(), found.end(),
              [](const EarlierEntry& a, const EarlierEntry& b) { return a.Date.Year > b.Date.Year; });
    EarlierEntries entries;
    entries.More = found.size() > MaxListedEntries ? found.size() - MaxListedEntries : 0;
    found.resize(std::min(found.size(), MaxListedEntries));
    entries.Listed = std::move(found);
    return entries;
}

} // namespace model::onthisday
