#include "formats/diary/DiaryText.h"

#include <algorithm>

using base::text::LineList;

namespace formats::diary {

namespace {

constexpr size_t KeyLength = 8;

bool StartsWithKey(std::string_view line)
{
    return line.size() >= KeyLength &&
           std::all_of(line.begin(), line.begin() + KeyLength, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int DiaryText::Compare(std::string_view a, std::string_view b) const
{
    // Lines begin with their eight-digit date key. The locale comparison never ignores digits
    // and orders them by value, so two lines whose keys differ are ordered by their keys alone;
    // the full comparison is needed only when the keys are equal or a line has none.
    if (StartsWithKey(a) && StartsWithKey(b)) {
        const int keys = a.substr(0, KeyLength).compare(b.substr(0, KeyLength));
        if (keys != 0)
            return keys;
    }
    return compare_(a, b);
}

size_t DiaryText::Find(std::string_view text) const
{
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), text, [this](const std::string& line, std::string_view t) {
        return Compare(line, t) < 0;
    });
    return static_cast<size_t>(found - lines_.begin());
}

void DiaryText::Add(std::string line)
{
    if (!sorted_) {
        lines_.push_back(std::move(line));
        return;
    }
    const size_t at = Find(line);
    if (at < lines_.size() && Compare(lines_[at], line) == 0)
        return;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void DiaryText::Delete(size_t index)
{
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

void DiaryText::SetLines(LineList lines)
{
    lines_ = std::move(lines);
    if (!sorted_)
        return;
    SortLines();
    // As if added one by one: of lines that compare equal, the first stays.
    lines_.erase(std::unique(lines_.begin(), lines_.end(),
                             [this](const std::string& a, const std::string& b) { return Compare(a, b) == 0; }),
                 lines_.end());
}

void DiaryText::SetSorted(bool sorted)
{
    const bool sortNow = sorted && !sorted_;
    sorted_ = sorted;
    if (sortNow)
        SortLines();
}

void DiaryText::SortLines()
{
    std::stable_sort(lines_.begin(), lines_.end(),
                     [this](const std::string& a, const std::string& b) { return Compare(a, b) < 0; });
}

} // namespace formats::diary
