// Merging two copies of one diary day by day: three ways, against the content both started
// from, or two ways when there is none. A day changed on one side only takes that side; a day
// both sides wrote differently keeps this side's title and mood and both bodies, joined into
// one RTF body under a paragraph that names the other copy.
#pragma once

#include "base/text/TextLines.h"
#include "formats/diary/DayRecords.h"

#include <string>
#include <vector>

namespace formats::merge {

// What the paragraph between the two bodies of a day says about the other copy.
struct OtherCopy {
    int CodePage = 1252; // the diary code page: titles and plain bodies are in it
    std::string Name;    // the copy's file name, UTF-8
    std::string Time;    // when it was written, as the user reads times, UTF-8
};

struct MergedDiary {
    base::text::LineList Lines; // in date order
    // The days whose record is not this side's any more: new, edited or deleted by the other
    // copy, or holding both texts.
    std::vector<formats::diary::DayDate> CameIn;
    // The days holding both texts.
    std::vector<formats::diary::DayDate> TwoTexts;
    // The records are not the other copy's: writing them changes that copy.
    bool DiffersFromOther = false;
};

// Both copies descend from base: what each changed since is taken; a deletion against an edit
// keeps the edit.
MergedDiary MergeThreeWay(const base::text::LineList& base, const base::text::LineList& ours,
                          const base::text::LineList& theirs, const OtherCopy& other);
// Without a common ancestor every day of either copy is kept.
MergedDiary MergeTwoWay(const base::text::LineList& ours, const base::text::LineList& theirs,
                        const OtherCopy& other);

// The record of a day written differently in two copies: ours with theirs' body appended
// under the paragraph naming the other copy.
std::string JoinedRecord(std::string_view ours, std::string_view theirs, const OtherCopy& other);

} // namespace formats::merge
