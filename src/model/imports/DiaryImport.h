// Bringing the entries of another journal into the open diary. Entries of one day become that
// day's one entry, joined in time order, each after the first under a separator paragraph with
// its time and title; a day already written keeps its title, mood and text and gets the
// imported text after it; an entry's tags go to a last line "Tags: ...".
#pragma once

#include "formats/diary/DayRecords.h"
#include "formats/imports/ImportedEntry.h"
#include "formats/merge/DayMerge.h"
#include "formats/rtf/RichText.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace model::imports {

// What an import will do, told to the user before anything changes.
struct ImportPreview {
    size_t Entries = 0;
    formats::diary::DayDate First{};
    formats::diary::DayDate Last{};
    size_t Days = 0;            // days the entries fall on
    size_t WrittenDays = 0;     // of those, days already written: they will hold both texts
    size_t ShortenedTitles = 0; // titles the diary cannot hold as they are (code page, length)
};

ImportPreview PreviewImport(const formats::diary::DiaryText& diary, const formats::imports::ImportedEntries& entries,
                            int codePage);

// What bringing the records of another diary in by the merge's rules (merged: ours and theirs
// merged without a common ancestor) will do.
ImportPreview PreviewDiaryImport(const base::text::LineList& theirs, const formats::merge::MergedDiary& merged);

// "412 entries from 2019-03-01 to 2024-12-31; 12 on days already written will hold both texts.
// Import?", with a sentence on shortened titles when there are any.
std::string ImportQuestion(const ImportPreview& preview);

struct ImportStyle {
    int CodePage = 1252;                 // of titles and of the bodies written
    formats::rtf::CharFormat BodyFont;   // the font of text that names none
    std::string SourceName;              // names the source in separators on days already written
};

// Adds the entries to the diary (sorted) and marks it changed; gives the number of days changed.
// progress is told after each day.
size_t ApplyImport(formats::diary::DiaryRecords& diary, const formats::imports::ImportedEntries& entries,
                   const ImportStyle& style, const std::function<void(size_t done, size_t total)>& progress = {});

} // namespace model::imports
