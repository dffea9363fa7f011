#include "formats/diary/DayRecords.h"

#include "platform/locale/Collation.h"
#include "formats/resources/PackedResources.h"

#include <gtest/gtest.h>

namespace {

const std::string Body = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n\\pard\\f0\\fs20 Hello\\par\r\n}\r\n";

class DayRecordsTest : public testing::Test {
protected:
    DayRecordsTest() : diary(platform::CompareText) { diary.Text.SetSorted(true); }

    DiaryRecords diary;
};

// Stands in for the editor: the shown text of Body is "HELLO".
std::string UpperHalf(std::string_view rtf)
{
    return rtf == Body ? "HELLO" : "";
}

} // namespace

TEST_F(DayRecordsTest, StoreWritesTheRecordLineAndReplacesTheDaysRecord)
{
    StoreDay(diary, 25, 1, 2002, Body, "A day\r\nto remember", 3);
    EXPECT_TRUE(diary.Dirty);
    ASSERT_EQ(diary.Text.Count(), 1u);
    EXPECT_EQ(diary.Text[0],
              "200201253A dayto remember@@{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}@@\\pard\\f0\\fs20 Hello\\par@@}@@");

    StoreDay(diary, 24, 1, 2002, Body, "before", 1);
    StoreDay(diary, 25, 1, 2002, "{\\rtf1 new}", "again", 2);
    ASSERT_EQ(diary.Text.Count(), 2u);
    EXPECT_EQ(diary.Text[0].substr(0, 9), "200201241");
    EXPECT_EQ(diary.Text[1], "200201252again@@{\\rtf1 new}@@");
}

TEST_F(DayRecordsTest, LoneLineBreaksNeverSplitARecordLine)
{
    StoreDay(diary, 21, 2, 2003, "{\\rtf1 a\rb\nc}", "one\rtwo\nthree", 0);
    const std::string& line = diary.Text[0];
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(line, "200302210onetwothree@@{\\rtf1 a@@b@@c}@@");
}

TEST_F(DayRecordsTest, StoringWithoutAShownDayDoesNothing)
{
    StoreDay(diary, -1, -1, -1, Body, "title", 1);
    EXPECT_EQ(diary.Text.Count(), 0u);
    EXPECT_FALSE(diary.Dirty);
}

TEST_F(DayRecordsTest, LoadGivesBackWhatWasStored)
{
    StoreDay(diary, 29, 2, 2004, Body, "Leap day", 7);
    PackedResources store;
    std::string body, title;
    int mood = 0;
    ASSERT_EQ(LoadDay(diary, store, 29, 2, 2004, body, title, mood), DayLoad::dlRecord);
    EXPECT_EQ(body, Body);
    EXPECT_EQ(title, "Leap day");
    EXPECT_EQ(mood, 7);

    body = "kept";
    title = "kept";
    mood = 4;
    EXPECT_EQ(LoadDay(diary, store, 28, 2, 2004, body, title, mood), DayLoad::dlNone);
    EXPECT_EQ(body + title + std::to_string(mood), "keptkept4");
}

TEST_F(DayRecordsTest, ALineThatWouldReadBackDifferentlyIsRefused)
{
    EXPECT_THROW(StoreDay(diary, 11, 1, 2010, "{\\rtf1 x}", "me@@home", 2), DayRecordError);
    EXPECT_THROW(StoreDay(diary, 11, 1, 2010, "{\\rtf1 x}", "mail me@", 2), DayRecordError)
        << "a closing @ would join the separator";
    EXPECT_THROW(StoreDay(diary, 11, 1, 2010, "{\\rtf1 x}", "title", 10), DayRecordError);
    EXPECT_THROW(StoreDay(diary, 11, 1, 2010, "{\\rtf1 x}", "title", -1), DayRecordError);
    EXPECT_EQ(diary.Text.Count(), 0u);
    EXPECT_FALSE(diary.Dirty) << "a refused record changes nothing";

    StoreDay(diary, 11, 1, 2010, "{\\rtf1 x}", "me@home", 9);
    const DayParts parts = ParseDayRecord(diary.Text[0]);
    EXPECT_EQ(parts.Title, "me@home");
    EXPECT_EQ(parts.Mood, 9);
    EXPECT_EQ(parts.Body, "{\\rtf1 x}\r\n");
}

TEST_F(DayRecordsTest, RecordsTheProgramNeverWritesLoadWithoutHarm)
{
    EXPECT_EQ(ParseDayRecord("20100101").Title, "");
    const DayParts noSeparator = ParseDayRecord("20100101xTitle only");
    EXPECT_EQ(noSeparator.Mood, 0);
    EXPECT_EQ(noSeparator.Title, "Title only");
    EXPECT_EQ(noSeparator.Body, "");
    const DayParts noMood = ParseDayRecord("20100101@@body");
    EXPECT_EQ(noMood.Mood, 0);
    EXPECT_EQ(noMood.Title, "");
    EXPECT_EQ(noMood.Body, "body");
}

TEST_F(DayRecordsTest, FirstLoadOfANewDiaryShowsTheWelcomeEntry)
{
    PackedResources store;
    PackedItem& item = store.Items().Add();
    item.SetName("TemplateDiary");
    item.SetData("{\\rtf1 Welcome}");
    diary.NewDiary = true;
    StoreDay(diary, 21, 1, 2020, Body, "existing", 5);

    std::string body, title;
    int mood = 6;
    EXPECT_EQ(LoadDay(diary, store, 21, 1, 2020, body, title, mood), DayLoad::dlWelcome);
    EXPECT_EQ(title, "Welcome to the Daybrook!");
    EXPECT_EQ(body, "{\\rtf1 Welcome}");
    EXPECT_EQ(mood, 6);
    EXPECT_FALSE(diary.NewDiary);
    EXPECT_EQ(LoadDay(diary, store, 21, 1, 2020, body, title, mood), DayLoad::dlRecord);
    EXPECT_EQ(title, "existing");
}

TEST_F(DayRecordsTest, DeleteRemovesTheRecordAndAlwaysMarksTheDiaryChanged)
{
    DeleteDay(diary, 23, 3, 2003);
    EXPECT_TRUE(diary.Dirty);
    StoreDay(diary, 23, 3, 2003, Body, "t", 0);
    StoreDay(diary, 24, 3, 2003, Body, "t", 0);
    DeleteDay(diary, 23, 3, 2003);
    ASSERT_EQ(diary.Text.Count(), 1u);
    EXPECT_TRUE(diary.Text[0].starts_with("20030324"));
}

TEST_F(DayRecordsTest, FindEntryDateStepsBetweenRecords)
{
    for (const int day : {14, 20})
        StoreDay(diary, day, 6, 2005, Body, "t", 0);
    StoreDay(diary, 22, 7, 2005, Body, "t", 0);
    EXPECT_EQ(FindEntryDate(diary.Text, 14, 6, 2005, true), (DayDate{2005, 6, 20}));
    EXPECT_EQ(FindEntryDate(diary.Text, 15, 6, 2005, true), (DayDate{2005, 6, 20}));
    EXPECT_EQ(FindEntryDate(diary.Text, 20, 6, 2005, true), (DayDate{2005, 7, 22}));
    EXPECT_EQ(FindEntryDate(diary.Text, 20, 6, 2005, false), (DayDate{2005, 6, 14}));
    EXPECT_EQ(FindEntryDate(diary.Text, 21, 7, 2005, false), (DayDate{2005, 6, 20}));
    // Forward from the last record stays; forward after all records goes back to the last.
    EXPECT_EQ(FindEntryDate(diary.Text, 22, 7, 2005, true), (DayDate{2005, 7, 22}));
    EXPECT_EQ(FindEntryDate(diary.Text, 19, 9, 2009, true), (DayDate{2005, 7, 22}));
    // Backward from the first record, or from before it, stays.
    EXPECT_EQ(FindEntryDate(diary.Text, 14, 6, 2005, false), (DayDate{2005, 6, 14}));
    EXPECT_EQ(FindEntryDate(diary.Text, 13, 1, 2001, false), (DayDate{2001, 1, 13}));
    EXPECT_EQ(FindEntryDate(DiaryText(platform::CompareText), 13, 1, 2001, true), (DayDate{2001, 1, 13}));
}

TEST_F(DayRecordsTest, ActiveDaysListTheMonthsDaysWithoutLeadingZeros)
{
    EXPECT_EQ(UpdateActiveDays(diary.Text, 2006, 1), "");
    for (const int day : {31, 1, 9})
        StoreDay(diary, day, 1, 2006, Body, "t", 0);
    StoreDay(diary, 31, 12, 2005, Body, "t", 0);
    StoreDay(diary, 1, 2, 2006, Body, "t", 0);
    EXPECT_EQ(UpdateActiveDays(diary.Text, 2006, 1), "1,9,31,");
    EXPECT_EQ(UpdateActiveDays(diary.Text, 2006, 2), "1,");
    EXPECT_EQ(UpdateActiveDays(diary.Text, 2006, 3), "");
}

TEST_F(DayRecordsTest, DayContainsTextSearchesTheBodysShownText)
{
    StoreDay(diary, 17, 7, 2007, Body, "Title", 0);
    EXPECT_TRUE(DayContainsText(diary.Text, "ELL", UpperHalf, 2007, 7, 17));
    EXPECT_FALSE(DayContainsText(diary.Text, "ell", UpperHalf, 2007, 7, 17));
    EXPECT_FALSE(DayContainsText(diary.Text, "Title", UpperHalf, 2007, 7, 17));
    EXPECT_FALSE(DayContainsText(diary.Text, "ELL", UpperHalf, 2007, 7, 18));
    EXPECT_FALSE(DayContainsText(diary.Text, "", UpperHalf, 2007, 7, 17));
}
