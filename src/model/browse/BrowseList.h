// The rows of the browse window and the moves through them, without Qt: one row per record,
// newest first, with its date, mood and title; stepping the selection; and the search that
// goes on after the selected row and wraps around.
#pragma once

#include "formats/diary/DayRecords.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace model::browse {

// The title listed for a record whose title is empty.
inline constexpr const char* UntitledDay = "Untitled day";

struct BrowseRow {
    formats::diary::DayDate Date;
    int Mood = -1;     // 0 to 9; -1 when the record's mood character is no digit
    std::string Title; // trimmed, in the diary code page; UntitledDay when empty
    size_t Record = 0; // the record's index in DiaryText
};

// One row per record, the last record first. Records whose date characters name no real date
// cannot be shown or jumped to, and are left out.
std::vector<BrowseRow> BuildBrowseRows(const formats::diary::DiaryText& text);

// The row selected after a step up (towards row 0) or down: the neighbour, staying put at
// either end; row 0 when none was selected; nothing in an empty list.
std::optional<size_t> StepSelection(size_t count, std::optional<size_t> selected, bool up);

// The first row that matches, trying the rows after the selected one (after row 0 when none
// is selected) to the last, then from row 0 on, the selected row last; nothing when none does.
std::optional<size_t> FindNextRow(size_t count, std::optional<size_t> selected,
                                  const std::function<bool(size_t row)>& matches);

// The search's test of a row: its title contains the needle, letter case ignored, or, with
// the full content searched, its body's text contains it as typed.
class BrowseSearch {
public:
    // needle: the search text in UTF-8, as bodyText gives a body's text; titleNeedle: the same
    // in the diary code page, nothing when the code page cannot hold it.
    BrowseSearch(const formats::diary::DiaryText& text, std::string needle,
                 std::optional<std::string> titleNeedle, bool fullContent, formats::diary::BodyText bodyText);

    bool operator()(const BrowseRow& row) const;

private:
    const formats::diary::DiaryText& text_;
    std::string needle_;
    std::optional<std::string> titleNeedle_;
    bool fullContent_;
    formats::diary::BodyText bodyText_;
};

} // namespace model::browse
