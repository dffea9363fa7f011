#include "model/browse/BrowseList.h"

#include "platform/locale/CharCase.h"

using formats::diary::BodyText;
using formats::diary::DayParts;
using formats::diary::DiaryText;
using formats::diary::ParseDayRecord;
using platform::locale::UpperCase;

namespace model::browse {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<BrowseRow> BuildBrowseRows(const DiaryText& text)
{
    std::vector<BrowseRow> rows;
    rows.reserve(text.Count());
    for (size_t record = text.Count(); record-- > 0;) {
        const DayParts parts = ParseDayRecord(text[record]);
        if (!parts.Date)
            continue;
        BrowseRow row;
        row.Date = *parts.Date;
        row.Mood = parts.Mood.value_or(-1);
        const std::string_view title = Trimmed(parts.Title);
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
        titleNeedle_ = UpperCase(*titleNeedle);
}

bool BrowseSearch::operator()(const BrowseRow& row) const
{
    if (titleNeedle_ && UpperCase(row.Title).find(*titleNeedle_) != std::string::npos)
        return true;
    if (!fullContent_ || row.Record >= text_.Count())
        return false;
    return bodyText_(ParseDayRecord(text_[row.Record]).Body()).find(needle_) != std::string::npos;
}

} // namespace model::browse
