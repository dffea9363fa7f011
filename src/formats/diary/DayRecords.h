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

#include "formats/diary/DiaryText.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

class PackedResources;

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

std::string DayKey(int Year, int Month, int Day);

// A record that would not read back as written: a title holding "@@" or ending in "@" (either
// would move the separator), or a mood outside 0 to 9.
class DayRecordError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Whether a title can be stored so that it reads back unchanged.
bool IsStorableTitle(std::string_view Title);

// The parts of a record line, as LoadDay reads them.
struct DayParts {
    int Mood = 0;
    std::string Title;
    std::string Body; // RTF with CR LF line ends
};
std::string DayRecord(int Year, int Month, int Day, int Mood, std::string_view Title, std::string_view Body);
DayParts ParseDayRecord(std::string_view line);

// Stores the day's record, replacing the one it had; nothing when Day < 0 (no day shown).
// DayRecordError (and nothing changed) for a record that would not read back as written.
void StoreDay(DiaryRecords& diary, int Day, int Month, int Year, std::string_view Body, std::string_view Title,
              int Mood);

enum class DayLoad {
    dlNone,    // the date has no record; nothing changed
    dlRecord,  // the date's record
    dlWelcome, // the welcome entry of a new diary, to be marked modified; Mood unchanged
};

// Loads the date's record into Body, Title and Mood. While NewDiary is set, clears it and
// gives the welcome entry instead (its body is the store's "TemplateDiary").
DayLoad LoadDay(DiaryRecords& diary, PackedResources& store, int Day, int Month, int Year, std::string& Body,
                 std::string& Title, int& Mood);

// Removes the date's record if any; sets Dirty in any case.
void DeleteDay(DiaryRecords& diary, int Day, int Month, int Year);

// The date of the next (Forward) or previous record, or the given date when there is none.
DayDate FindEntryDate(const DiaryText& text, int Day, int Month, int Year, bool Forward);

// The calendar's ActiveDays text for a month: its days with records, each followed by a comma
// ("5,12,31,"); empty when there are none.
std::string UpdateActiveDays(const DiaryText& text, int Year, int Month);

// The text the editor shows for an RTF body, in the encoding of the needles searched for.
using BodyText = std::function<std::string(std::string_view rtf)>;

// Whether the date has a record whose body text contains Needle (exact, letter case counts).
bool DayContainsText(const DiaryText& text, std::string_view Needle, const BodyText& bodyText, int Year,
                     int Month, int Day);
