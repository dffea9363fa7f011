// The day flow of the main window without its widgets: which day is shown, what leaving it
// stores, what the chosen day loads and where the navigation commands go. The window drives it
// and shows what it decides.
#pragma once

#include "base/dates/CalendarDate.h"
#include "model/session/DiarySession.h"

#include <optional>
#include <string>
#include <string_view>

namespace formats::resources {
class PackedResources;
} // namespace formats::resources

namespace model::session {

// What the editors hold when the shown day is left.
struct EditorContent {
    bool Modified = false;   // the title or the body was marked modified
    std::string_view Plain;  // the body's plain text (any encoding: only blanks are looked at)
    std::string_view Title;  // the title, untrimmed, in the diary code page
};

// The day loaded into the editors.
struct ShownEntry {
    formats::diary::DayLoad Load = formats::diary::DayLoad::None;
    std::string Title;
    std::string Body; // RTF; empty when the day has no record
    int Mood = 0;
};

class DayFlow {
public:
    DayFlow(DiarySession& session, formats::resources::PackedResources& store)
        : session_(session), store_(store)
    {
    }

    int ShownYear = -1;
    int ShownMonth = -1;
    int ShownDay = -1;
    int CurrentMood = 0;
    // The record chosen in the browse window, -1 for none.
    int BrowseSelection = -1;

    bool HasShownDay() const { return ShownDay >= 0; }
    void ForgetShownDay() { ShownYear = ShownMonth = ShownDay = -1; }

    // Whether leaving the shown day stores it: only when a control started the change, the
    // editors were modified and the body or the title holds more than blanks.
    static bool ShouldStore(bool fromControl, const EditorContent& content);
    // Stores the shown day with the body's RTF (nothing while no day is shown); a title
    // ending in "@" gets a blank after it so that the record reads back.
    void Store(std::string_view bodyRtf, std::string_view title);
    // Loads a day and makes it the shown one; a day without record shows empty with mood 0.
    ShownEntry Load(const base::dates::Date& date);

    // The month's days with records, for the calendar's marks.
    std::string ActiveDays(int year, int month) const;
    // The next or previous record's date from a date (the date itself when there is none).
    base::dates::Date EntryDate(const base::dates::Date& from, bool forward) const;
    // The date of the record chosen in the browse window, if the choice is a record.
    std::optional<base::dates::Date> BrowsedDate() const;
    // Deletes the date's record (the diary counts as changed even when there was none).
    void Delete(const base::dates::Date& date);

    // The mood after the next and previous mood commands.
    static int NextMood(int mood);
    static int PreviousMood(int mood);

    // Escape in the body reloads the shown day only while the diary has changes.
    bool EscapeReloads() const { return session_.Dirty(); }

private:
    DiarySession& session_;
    formats::resources::PackedResources& store_;
};

} // namespace model::session
