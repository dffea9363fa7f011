// Reading the journals a diary can be filled from: jrnl's JSON export, a Day One export (a zip
// holding the journal's JSON and its photos), and a folder of Markdown daily notes. Each reader
// takes a whole source or refuses it whole, with a message naming the file and the entry.
#pragma once

#include "base/result/Result.h"
#include "formats/imports/ImportedEntry.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace formats::imports {

// jrnl's JSON export: entries[] with date (YYYY-MM-DD), time, title, body, tags and starred.
base::result::Result<ImportedEntries> ReadJrnl(std::string_view json, const std::string& fileName);

// A folder of Markdown daily notes: every YYYY-MM-DD*.md in it, with optional YAML front matter
// (title, date, tags, mood); without a title there, the first heading is the title. Images that
// are PNG or JPEG files of the folder, or data: addresses, become pictures.
base::result::Result<ImportedEntries> ReadMarkdownFolder(const std::filesystem::path& folder);

// The local date and time ("HH:MM:SS") of a moment (seconds since 1970 UTC) in a time zone
// (an IANA name such as "Europe/Berlin"); nothing when the zone is unknown.
struct LocalMoment {
    formats::diary::DayDate Date{};
    std::string Time;
};
using LocalTime = std::function<std::optional<LocalMoment>(int64_t utcSeconds, std::string_view zone)>;

// A Day One export: a zip holding <Journal>.json (entries[] with creationDate in UTC, timeZone,
// Markdown text whose first line is the title, photos[] naming photos/<md5>.<type>, tags). A
// PNG or JPEG photo becomes a picture where the text shows it; others stay "[photo]".
base::result::Result<ImportedEntries> ReadDayOne(const std::filesystem::path& zip, const LocalTime& localTime);

// Daybrook: another diary of either format, brought in by the merge's rules (not read here).
enum class JournalKind { Jrnl, DayOne, Markdown, Daybrook };

// "jrnl", "dayone", "markdown", "daybrook"; nothing for another name.
std::optional<JournalKind> JournalKindNamed(std::string_view name);

// The kind a chosen file stands for: a .zip is a Day One export, a .md one note of a folder of
// daily notes, a .dry another diary, anything else jrnl's JSON.
JournalKind JournalKindOfFile(const std::filesystem::path& file);

// Reads a source of the kind Jrnl, DayOne or Markdown: jrnl's file, Day One's zip, or the
// Markdown folder (a file in it stands for the folder).
base::result::Result<ImportedEntries> ReadJournal(JournalKind kind, const std::filesystem::path& source,
                                                  const LocalTime& localTime);

} // namespace formats::imports
