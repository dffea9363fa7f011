// The open diary's day records: a list of text lines, one per day with an entry. Loaded in
// file order; once switched to sorted mode it is sorted and every added line goes to its
// sorted place. Lines compare with the locale's case-insensitive comparison handed in.
#pragma once

#include "base/text/TextLines.h"

#include <string>
#include <string_view>

namespace formats::diary {

// Negative, zero or positive as a sorts before, with or after b.
using TextComparer = int (*)(std::string_view a, std::string_view b);

class DiaryText {
public:
    explicit DiaryText(TextComparer compare) : compare_(compare) {}

    size_t Count() const { return lines_.size(); }
    const std::string& operator[](size_t index) const { return lines_[index]; }
    const base::text::LineList& Lines() const { return lines_; }

    // Sorted: inserts at the sorted place, ignoring a line equal to one already present.
    // Unsorted: appends.
    void Add(std::string line);
    void Delete(size_t index);
    void Clear() { lines_.clear(); }

    // Replaces all lines (each added as Add does); Text gives them joined, each with CR LF.
    void SetLines(base::text::LineList lines);
    void SetText(std::string_view text) { SetLines(base::text::SplitLines(text)); }
    std::string Text() const { return base::text::JoinLines(lines_); }

    bool Sorted() const { return sorted_; }
    // Switching sorted mode on sorts the lines.
    void SetSorted(bool sorted);

    // Binary search in sorted mode: the index of the first line not less than text (the count
    // when there is none). A bare date key finds that date's record, or where it would go.
    size_t Find(std::string_view text) const;

    // The comparison the list is sorted by.
    int Compare(std::string_view a, std::string_view b) const;

private:
    void SortLines();

    TextComparer compare_;
    base::text::LineList lines_;
    bool sorted_ = false;
};

} // namespace formats::diary
