// The list of people: its queries by day and by month, its modified flag and its change
// notifications.
#include "model/birthdays/BirthdayBook.h"

#include "base/dates/CalendarDate.h"

#include <gtest/gtest.h>

#include <limits>

using namespace base::dates;
using namespace model::birthdays;

namespace {

BirthdayEntry& AddPerson(BirthdayBook& entries, const std::string& name, int year, int month, int day)
{
    BirthdayEntry& entry = entries.Add();
    entry.SetFullName(name);
    entry.SetBirthDate(EncodeDate(year, month, day));
    return entry;
}

std::vector<std::string> Names(const std::vector<BirthdayEntry*>& entries)
{
    std::vector<std::string> names;
    for (const BirthdayEntry* entry : entries)
        names.push_back(entry->FullName());
    return names;
}

} // namespace

TEST(BirthdayEntries, EntriesOfDayMatchMonthAndDayWhateverTheYear)
{
    BirthdayBook entries;
    AddPerson(entries, "Ann", 1970, 5, 3);
    AddPerson(entries, "Leap", 1004, 2, 29);
    AddPerson(entries, "Bob", 1988, 5, 3);
    AddPerson(entries, "Other", 1988, 6, 3);
    entries.Add().SetFullName("No date");

    EXPECT_EQ(Names(entries.EntriesOfDay(EncodeDate(2024, 5, 3))), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(entries.EntryOfDay(1, EncodeDate(2024, 5, 3))->FullName(), "Bob");
    EXPECT_EQ(entries.EntryOfDay(2, EncodeDate(2024, 5, 3)), nullptr);
    EXPECT_EQ(Names(entries.EntriesOfDay(EncodeDate(2024, 2, 29))), std::vector<std::string>{"Leap"});
    EXPECT_TRUE(entries.EntriesOfDay(EncodeDate(2023, 2, 28)).empty());
    // The date 0 is 30 December 1899, not "no date".
    EXPECT_TRUE(entries.EntriesOfDay(0).empty());
    EXPECT_TRUE(entries.EntriesOfDay(std::numeric_limits<double>::quiet_NaN()).empty());

    // The calendar's first and last days are dates like any other; beyond them there is none.
    BirthdayBook edges;
    AddPerson(edges, "First", 1, 1, 1);
    AddPerson(edges, "Last", 9999, 12, 31);
    edges.Add().SetBirthDate(EncodeDate(9999, 12, 31) + 1);
    EXPECT_EQ(Names(edges.EntriesOfDay(EncodeDate(2024, 1, 1) + 0.75)), std::vector<std::string>{"First"});
    EXPECT_EQ(Names(edges.EntriesOfDay(EncodeDate(2023, 12, 31))), std::vector<std::string>{"Last"});
    EXPECT_EQ(edges[2].Month(), 0) << "beyond the calendar: no month";
    EXPECT_EQ(std::pair(entries[4].Day(), entries[4].Month()), std::pair(0, 0)) << "undated";
    EXPECT_EQ(std::pair(entries[1].Day(), entries[1].Month()), std::pair(29, 2));
}

TEST(BirthdayEntries, EntriesOfMonthAreOrderedByTheExchangeSort)
{
    BirthdayBook entries;
    AddPerson(entries, "twelve-a", 1990, 7, 12);
    AddPerson(entries, "three", 1990, 7, 3);
    AddPerson(entries, "twelve-b", 1991, 7, 12);
    AddPerson(entries, "one", 1992, 7, 1);
    AddPerson(entries, "august", 1992, 8, 1);
    EXPECT_EQ(Names(entries.EntriesOfMonth(7)),
              (std::vector<std::string>{"one", "three", "twelve-b", "twelve-a"}));

    // Two entries of one day change places through an exchange with a third: no stable sort.
    BirthdayBook swapped;
    AddPerson(swapped, "five-a", 1990, 3, 5);
    AddPerson(swapped, "five-b", 1990, 3, 5);
    AddPerson(swapped, "one", 1990, 3, 1);
    EXPECT_EQ(Names(swapped.EntriesOfMonth(3)), (std::vector<std::string>{"one", "five-b", "five-a"}));

    BirthdayBook february;
    AddPerson(february, "leap", 1004, 2, 29);
    AddPerson(february, "28th", 1990, 2, 28);
    AddPerson(february, "28th again", 1980, 2, 28);
    AddPerson(february, "first", 1980, 2, 1);
    EXPECT_EQ(Names(february.EntriesOfMonth(2)),
              (std::vector<std::string>{"first", "28th again", "28th", "leap"}));
    EXPECT_TRUE(february.EntriesOfMonth(13).empty());
}

TEST(BirthdayEntries, ModifiedFollowsMembershipAndPropertiesButNotClearing)
{
    BirthdayBook entries;
    int changes = 0;
    entries.OnChange = [&](BirthdayBook& sender) {
        EXPECT_EQ(&sender, &entries);
        ++changes;
    };
    EXPECT_FALSE(entries.Modified());
    BirthdayEntry& ann = entries.Add();
    EXPECT_TRUE(entries.Modified());
    EXPECT_EQ(changes, 1);

    entries.SetModified(false);
    ann.SetNotes("n");
    EXPECT_TRUE(entries.Modified());
    EXPECT_EQ(changes, 1); // a property change is no change of membership

    entries.SetModified(false);
    entries.Clear();
    EXPECT_FALSE(entries.Modified());
    EXPECT_EQ(changes, 2);

    entries.BeginUpdate();
    entries.Add();
    entries.Add();
    entries.Delete(0);
    EXPECT_EQ(changes, 2);
    entries.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(entries.Count(), 1);
}
