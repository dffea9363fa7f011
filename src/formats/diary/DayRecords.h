// The day records of the open diary and the operations on them: store, load, delete, step to
// the next or previous entry, the days of a month that have entries, and the text test of the
// browse window.
//
// A record is one line: the DayKey (eight digits, "%04d%02d%02d"), the mood digit, the title
// with its CR LF pairs removed, "@@", and the body RTF with every CR LF written as "@@".
//
// The operations work on RTF text; the editor converts between its content and RTF
// (RichTextToString, StringToRichText). Refreshing the calendar is the caller's: after
// StoreDay and DeleteDay it hands the calendar UpdateActiveDays of the shown month.
#pragma once

#include "base/result/Result.h"
#include "formats/diary/DiaryText.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace formats::resources {
class PackedResources;
} // namespace formats::resources

namespace formats::diary {

// The open diary's state shared by the main window and these operations.
struct DiaryRecords {
    explicit DiaryRecords(TextComparer compare) : Text(compare) {}

    DiaryText Text;
    // The records changed during this run: the file is written at exit. Set by StoreDay and
    // DeleteDay; cleared by the main window only.
    bool Dirty = false;
    // A diary created in this run: the first LoadDay shows the welcome entry.
    bool NewDiary = false;
};

struct DayDate {
    int Year;
    int Month;
    int Day;

    bool operator==(const DayDate&) const = default;
};

std::string DayKey(int year, int month, int day);
// "YYYY-MM-DD", as exports and messages write a date.
std::string IsoDate(const DayDate& date);

// Whether a title can be stored so that it reads back unchanged: one holding "@@" or ending in
// "@" would move the separator.
bool IsStorableTitle(std::string_view title);

// The record line of a day. The title loses its line breaks; what is left must be storable and
// the mood a digit, as StoreDay checks (std::invalid_argument otherwise: the caller's error).
std::string DayRecord(int year, int month, int day, int mood, std::string_view title, std::string_view body);

// A record line taken apart, the one way every reader of records does it. Lenient, so that a
// line the program never wrote still shows all of its text: whatever does not fit the format
// is left out of the part it would spoil and kept in the others.
struct DayParts {
    // The first eight characters as YYYYMMDD; nothing unless they are digits naming a real date.
    std::optional<DayDate> Date;
    // The ninth character; nothing unless it is a digit.
    std::optional<int> Mood;
    // From the tenth character to the first "@@" that starts at the ninth or later; the rest of
    // the line when there is no "@@".
    std::string Title;
    // What follows that "@@", as stored; points into the parsed line.
    std::string_view StoredBody;

    // The body with each "@@" read as CR LF.
    std::string Body() const;
};
DayParts ParseDayRecord(std::string_view line);
// The Date of ParseDayRecord alone.
std::optional<DayDate> RecordDate(std::string_view line);

// Stores the day's record, replacing the one it had; nothing when day < 0 (no day shown).
// Refuses (changing nothing) a record that would not read back as written: a title that is not
// storable once its line breaks are gone, or a mood outside 0 to 9.
base::result::Status StoreDay(DiaryRecords& diary, int day, int month, int year, std::string_view body,
                              std::string_view title, int mood);

enum class DayLoad {
    None,    // the date has no record; nothing changed
    Record,  // the date's record
    Welcome, // the welcome entry of a new diary, to be marked modified; mood unchanged
};

// Loads the date's record into body, title and mood (0 when the record holds no mood digit).
// While NewDiary is set, clears it and gives the welcome entry instead (its body is the
// store's "TemplateDiary").
DayLoad LoadDay(DiaryRecords& diary, formats::resources::PackedResources& store, int day, int month, int year,
                std::string& body, std::string& title, int& mood);

// Removes the date's record if any; sets Dirty in any case.
void DeleteDay(DiaryRecords& diary, int day, int month, int year);

// The date of the next (forward) or previous record, or the given date when there is none.
// Records whose date characters name no real date are passed over.
DayDate FindEntryDate(const DiaryText& text, int day, int month, int year, bool forward);

// The calendar's ActiveDays text for a month: its days with records, each followed by a comma
// ("5,12,31,"); empty when there are none.
std::string UpdateActiveDays(const DiaryText& text, int year, int month);

// The text the editor shows for an RTF body, in the encoding of the needles searched for.
using BodyText = std::function<std::string(std::string_view rtf)>;

// Whether the date has a record whose body text contains needle (exact, letter case counts).
bool DayContainsText(const DiaryText& text, std::string_view needle, const BodyText& bodyText, int year,
                     int month, int day);

} // namespace formats::diary
