#include "model/browse/BrowseList.h"

#include "base/dates/CalendarDate.h"
#include "platform/locale/CharCase.h"

namespace browse {

namespace {

std::optional<int> Digits(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<DayDate> DateOf(std::string_view line)
{
    if (line.size() < 8)
        return std::nullopt;
    const auto year = Digits(line.substr(0, 4)), month = Digits(line.substr(4, 2)),
               day = Digits(line.substr(6, 2));
    if (!year || !month || !day || !calendar::IsValidDate(*year, *month, *day))
        return std::nullopt;
    return DayDate{*year, *month, *day};
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

// The characters between the mood digit and the first "@@"; none when there is no "@@".
std::string_view TitleOf(std::string_view line)
{
    const size_t separator = line.find("@@", 8);
    if (separator == std::string_view::npos || separator < 9)
        return {};
    return line.substr(9, separator - 9);
}

} // namespace

std::vector<BrowseRow> BuildBrowseRows(const DiaryText& text)
{
    std::vector<BrowseRow> rows;
    rows.reserve(text.Count());
    for (size_t record = text.Count(); record-- > 0;) {
        const std::string_view line = text[record];
        const auto date = DateOf(line);
        if (!date)
            continue;
        BrowseRow row;
        row.Date = *date;
        if (line.size() > 8 && line[8] >= '0' && line[8] <= '9')
            row.Mood = line[8] - '0';
        const std::string_view title = Trimmed(TitleOf(line));
        row.Title = title.empty() ? UntitledDay : std::string(title);
        row.Record = record;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<size_t> StepSelection(size_t count, std::optional<size_t> selected, bool up)
{
    if (count == 0)
        return std::nullopt;
    if (!selected || *selected >= count)
        return 0;
    if (up)
        return *selected > 0 ? *selected - 1 : 0;
    return *selected + 1 < count ? *selected + 1 : *selected;
}

std::optional<size_t> FindNextRow(size_t count, std::optional<size_t> selected,
                                  const std::function<bool(size_t row)>& matches)
{
    const size_t start = (selected && *selected < count ? *selected : 0) + 1;
    for (size_t tried = 0; tried < count; ++tried) {
        const size_t row = (start + tried) % count;
        if (matches(row))
            return row;
    }
    return std::nullopt;
}

BrowseSearch::BrowseSearch(const DiaryText& text, std::string needle,
                             std::optional<std::string> titleNeedle, bool fullContent, BodyText bodyText)
    : text_(text), needle_(std::move(needle)), fullContent_(fullContent), bodyText_(std::move(bodyText))
{
    if (titleNeedle)
        titleNeedle_ = platform::UpperCase(*titleNeedle);
}

bool BrowseSearch::operator()(const BrowseRow& row) const
{
    if (titleNeedle_ && platform::UpperCase(row.Title).find(*titleNeedle_) != std::string::npos)
        return true;
    if (!fullContent_ || row.Record >= text_.Count())
        return false;
    return bodyText_(ParseDayRecord(text_[row.Record]).Body).find(needle_) != std::string::npos;
}

} // namespace browse
