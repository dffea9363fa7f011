#include "model/browse/SearchCache.h"

#include "platform/locale/CharCase.h"

using formats::diary::BodyText;
using formats::diary::DiaryText;
using formats::diary::ParseDayRecord;
using platform::locale::UpperCase;

namespace model::browse {

SearchCache::SearchCache(const DiaryText& text, const std::vector<BrowseRow>& rows, const BodyText& bodyText)
{
    titleEnds_.reserve(rows.size());
    bodyEnds_.reserve(rows.size());
    for (const BrowseRow& row : rows) {
        titles_ += UpperCase(row.Title);
        titleEnds_.push_back(titles_.size());
        if (row.Record < text.Count())
            bodies_ += bodyText(ParseDayRecord(text[row.Record]).Body());
        bodyEnds_.push_back(bodies_.size());
    }
    titles_.shrink_to_fit();
    bodies_.shrink_to_fit();
}

TypedMatch SearchCache::Find(std::string_view needle, const std::optional<std::string>& upperTitleNeedle,
                             bool fullContent, size_t from) const
{
    TypedMatch match;
    if (needle.empty())
        return match;
    std::optional<size_t> firstOfAll;
    for (size_t row = 0; row < Rows(); ++row) {
        const bool found = (upperTitleNeedle && UpperTitle(row).find(*upperTitleNeedle) != std::string_view::npos) ||
                           (fullContent && Body(row).find(needle) != std::string_view::npos);
        if (!found)
            continue;
        ++match.Count;
        if (!firstOfAll)
            firstOfAll = row;
        if (!match.Row && row >= from)
            match.Row = row;
    }
    if (!match.Row)
        match.Row = firstOfAll;
    return match;
}

} // namespace model::browse
