// What the birthday keeper's window shows, worked out without widgets: the status lines with
// their mark-up, the counter and the marked days of the shown month, the calendar menu for a
// day, and the day the calendar moves to for an entry.
#pragma once

#include "base/dates/CalendarDate.h"
#include "model/birthdays/BirthdayBook.h"

#include <string>
#include <vector>

namespace model::birthdays {

// 8-bit text in the entries' code page.
struct KeeperStatus {
    std::string Counter;     // entries of the month / all entries
    std::string ThisMonth;   // the shown month: names strong, day numbers small
    std::string NextMonth;   // the month after it, in the normal font
    std::string SpecialDays; // the shown month's days, each followed by a comma
};

// All empty when the list is.
KeeperStatus MonthStatus(BirthdayBook& entries, int shownMonth);

// The calendar menu over a day with these entries: at most four of them can be reached.
struct CalendarMenu {
    std::string AddCaption;
    bool AddEnabled = true;
    bool EntriesEnabled = false;           // the edit and delete submenus
    std::vector<std::string> SlotCaptions; // the names shown in both submenus
};

inline constexpr int MenuSlots = 4;

CalendarMenu DayMenu(const std::vector<BirthdayEntry*>& dayEntries);

// The caption of the tools menu's clear item.
std::string ClearCaption(int count);

// The date the calendar shows an entry's month and day on: in the shown year, on the 1st when
// that year lacks the day (29 February).
base::dates::Date DayOfEntry(const base::dates::Date& shown, int month, int day);

} // namespace model::birthdays
