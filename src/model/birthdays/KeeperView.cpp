#include "model/birthdays/KeeperView.h"

#include <algorithm>

using base::dates::Date;
using base::dates::IsValidDate;

namespace model::birthdays {

KeeperStatus MonthStatus(BirthdayBook& entries, int shownMonth)
{
    KeeperStatus status;
    if (entries.Count() == 0)
        return status;
    const std::vector<BirthdayEntry*> thisMonth = entries.EntriesOfMonth(shownMonth);
    status.Counter = std::to_string(thisMonth.size()) + "/" + std::to_string(entries.Count());
    if (thisMonth.empty()) {
        status.ThisMonth = "This Month: -";
    } else {
        status.ThisMonth = "This Month: $";
        for (const BirthdayEntry* entry : thisMonth) {
            status.SpecialDays += std::to_string(entry->Day()) + ",";
            status.ThisMonth += "$!" + entry->FullName() + "$ ($>" + std::to_string(entry->Day()) + "$)  ";
        }
    }
    const std::vector<BirthdayEntry*>& nextMonth = entries.EntriesOfMonth(shownMonth == 12 ? 1 : shownMonth + 1);
    if (nextMonth.empty()) {
        status.NextMonth = "Next Month: -";
    } else {
        status.NextMonth = "Next Month: $";
        for (const BirthdayEntry* entry : nextMonth)
            status.NextMonth += entry->FullName() + "$ (" + std::to_string(entry->Day()) + "$)  ";
    }
    return status;
}

CalendarMenu DayMenu(const std::vector<BirthdayEntry*>& dayEntries)
{
    CalendarMenu menu;
    menu.AddEnabled = dayEntries.size() < MenuSlots;
    menu.AddCaption = dayEntries.empty() ? "Add Entry" : "Add More Entries";
    menu.EntriesEnabled = !dayEntries.empty();
    for (size_t i = 0; i < std::min<size_t>(dayEntries.size(), MenuSlots); ++i)
        menu.SlotCaptions.push_back(dayEntries[i]->FullName());
    return menu;
}

std::string ClearCaption(int count)
{
    return count == 0 ? "Clear Entire Database"
                      : "Clear Entire Database (all " + std::to_string(count) + " entries)";
}

Date DayOfEntry(const Date& shown, int month, int day)
{
    return {shown.Year, month, IsValidDate(shown.Year, month, day) ? day : 1};
}

} // namespace model::birthdays
