// The search as the user types in the browse window: the rows' titles in upper case and their
// bodies' plain text, made once when the window opens and kept end to end in two strings, so
// that each keystroke tests every row without parsing a body.
#pragma once

#include "model/browse/BrowseList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model::browse {

// What a keystroke found: how many rows match, and the row it selects.
struct TypedMatch {
    size_t Count = 0;
    std::optional<size_t> Row; // the first match at or after the row the typing began at, wrapping
};

class SearchCache {
public:
    SearchCache() = default;
    // bodyText gives a body's plain text in UTF-8, as the needles of the body search are.
    SearchCache(const formats::diary::DiaryText& text, const std::vector<BrowseRow>& rows,
                const formats::diary::BodyText& bodyText);

    size_t Rows() const { return titleEnds_.size(); }
    std::string_view UpperTitle(size_t row) const { return Piece(titles_, titleEnds_, row); }
    std::string_view Body(size_t row) const { return Piece(bodies_, bodyEnds_, row); }

    // The rows whose title contains upperTitleNeedle (the needle in upper case in the diary code
    // page, nothing when that cannot hold it) or, with fullContent, whose body contains needle.
    TypedMatch Find(std::string_view needle, const std::optional<std::string>& upperTitleNeedle, bool fullContent,
                    size_t from) const;

private:
    static std::string_view Piece(const std::string& all, const std::vector<size_t>& ends, size_t row)
    {
        const size_t start = row == 0 ? 0 : ends[row - 1];
        return std::string_view(all).substr(start, ends[row] - start);
    }

    std::string titles_;
    std::vector<size_t> titleEnds_;
    std::string bodies_;
    std::vector<size_t> bodyEnds_;
};

} // namespace model::browse
