// An entry read from another journal, before it becomes (part of) a day of the diary.
#pragma once

#include "formats/diary/DayRecords.h"
#include "formats/rtf/RichText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats::imports {

struct ImportedEntry {
    formats::diary::DayDate Date{};
    std::string Time;            // "HH:MM" or "HH:MM:SS" of the day; orders the entries of one day
    std::string Title;           // UTF-8, one line
    formats::rtf::RichText Body;
    std::vector<std::string> Tags; // UTF-8
    std::optional<int> Mood;     // 0 to 9, when the source names one
    std::string Where;           // names the entry in messages: "entry 12 (2024-03-01)"
};

using ImportedEntries = std::vector<ImportedEntry>;

// Whether the date can be a day of the diary: it exists and its year has four digits.
bool IsDiaryDate(const formats::diary::DayDate& date);

// "YYYY-MM-DD" (or a longer text beginning so) as a date; nothing when it is no diary date.
std::optional<formats::diary::DayDate> ParseIsoDate(std::string_view text);

// Plain text as paragraphs, one per line (LF or CR LF).
formats::rtf::RichText PlainParagraphs(std::string_view utf8);

// A PNG or JPEG file as a picture of its own size (96 pixels to the inch); nothing for other
// bytes.
std::optional<formats::rtf::Picture> PictureOfFile(std::string bytes);

// The picture as a run of a body.
formats::rtf::TextRun PictureRun(formats::rtf::Picture picture);

// Pictures larger than this are not taken in; their place keeps a mark.
inline constexpr size_t MaxPictureBytes = size_t{20} << 20;

// Sources larger than this are refused before they are read.
inline constexpr uintmax_t MaxSourceBytes = uintmax_t{256} << 20;

} // namespace formats::imports
