// What the keeper window shows: its status lines, counter and marked days, its calendar menu,
// and the day it moves to for an entry.
#include "model/birthdays/KeeperView.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace base::dates;
using namespace model::birthdays;

namespace {

void AddPerson(BirthdayBook& entries, const std::string& name, int year, int month, int day)
{
    BirthdayEntry& entry = entries.Add();
    entry.SetFullName(name);
    entry.SetBirthDate(EncodeDate(year, month, day));
}

} // namespace

TEST(KeeperView, StatusNamesTheShownMonthStrongAndTheNextPlain)
{
    BirthdayBook entries;
    EXPECT_EQ(MonthStatus(entries, 5).ThisMonth, "");

    AddPerson(entries, "Cleo", 1980, 5, 12);
    AddPerson(entries, "Ann", 1990, 5, 3);
    AddPerson(entries, "Bob", 1004, 5, 12);
    AddPerson(entries, "Dee", 1970, 6, 1);
    AddPerson(entries, "Eve", 1970, 1, 9);
    KeeperStatus status = MonthStatus(entries, 5);
    EXPECT_EQ(status.Counter, "3/5");
    EXPECT_EQ(status.SpecialDays, "3,12,12,");
    EXPECT_EQ(status.ThisMonth, "This Month: $$!Ann$ ($>3$)  $!Cleo$ ($>12$)  $!Bob$ ($>12$)  ");
    EXPECT_EQ(status.NextMonth, "Next Month: $Dee$ (1$)  ");

    // Entries only in the following month; December is followed by January.
    status = MonthStatus(entries, 4);
    EXPECT_EQ(status.Counter, "0/5");
    EXPECT_EQ(status.ThisMonth, "This Month: -");
    EXPECT_EQ(MonthStatus(entries, 12).NextMonth, "Next Month: $Eve$ (9$)  ");
    EXPECT_EQ(MonthStatus(entries, 7).NextMonth, "Next Month: -");
}

TEST(KeeperView, TheCalendarMenuReachesFourPeopleOfADay)
{
    BirthdayBook entries;
    for (const char* name : {"One", "Two", "Three", "Four", "Five"})
        AddPerson(entries, name, 1980, 3, 3);
    const double day = EncodeDate(2024, 3, 3);

    // The add item's caption and state, whether the entries show, and how many.
    const auto shape = [&](double date) {
        const CalendarMenu menu = DayMenu(entries.EntriesOfDay(date));
        return std::tuple(menu.AddCaption, menu.AddEnabled, menu.EntriesEnabled, menu.SlotCaptions.size());
    };
    EXPECT_EQ(DayMenu(entries.EntriesOfDay(day)).SlotCaptions,
              (std::vector<std::string>{"One", "Two", "Three", "Four"}));
    EXPECT_EQ(shape(day), std::tuple("Add More Entries", false, true, 4u));
    entries.Delete(4);
    EXPECT_EQ(shape(day), std::tuple("Add More Entries", false, true, 4u)) << "four fill the menu";
    entries.Delete(3);
    EXPECT_EQ(shape(day), std::tuple("Add More Entries", true, true, 3u));
    EXPECT_EQ(shape(EncodeDate(2024, 3, 4)), std::tuple("Add Entry", true, false, 0u));

    EXPECT_EQ(ClearCaption(0), "Clear Entire Database");
    EXPECT_EQ(ClearCaption(7), "Clear Entire Database (all 7 entries)");
}

TEST(KeeperView, AnEntrysDayIsShownInTheShownYear)
{
    EXPECT_EQ(DayOfEntry({2023, 5, 20}, 8, 14), (Date{2023, 8, 14}));
    EXPECT_EQ(DayOfEntry({2023, 5, 20}, 2, 29), (Date{2023, 2, 1}));
    EXPECT_EQ(DayOfEntry({2024, 5, 20}, 2, 29), (Date{2024, 2, 29}));
    EXPECT_EQ(DayOfEntry({2023, 12, 31}, 1, 31), (Date{2023, 1, 31}));
    EXPECT_EQ(DayOfEntry({2023, 1, 1}, 12, 31), (Date{2023, 12, 31}));
}
