#include "formats/diary/DayRecords.h"

#include "formats/resources/PackedResources.h"
#include "platform/locale/Collation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

using namespace base::result;
using namespace formats::diary;
using namespace formats::resources;
using namespace platform::locale;

namespace {

const std::string Body =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n\\pard\\f0\\fs20 Hello\\par\r\n}\r\n";

class DayRecordsTest : public testing::Test {
protected:
    DayRecordsTest() : diary_(CompareText) { diary_.Text.SetSorted(true); }

    void Store(int year, int month, int day, const std::string& title = "t", int mood = 0)
    {
        ASSERT_TRUE(StoreDay(diary_, day, month, year, Body, title, mood).Ok());
    }

    // The date keys of the records, in list order.
    std::vector<std::string> Keys() const
    {
        std::vector<std::string> keys;
        for (const auto& line : diary_.Text.Lines())
            keys.push_back(line.substr(0, 8));
        return keys;
    }

    DiaryRecords diary_;
};

// Stands in for the editor: the shown text of Body is "HELLO".
std::string UpperHalf(std::string_view rtf)
{
    return rtf == Body ? "HELLO" : "";
}

} // namespace

TEST_F(DayRecordsTest, StoreWritesTheRecordLineAndKeepsTheListInDateOrder)
{
    ASSERT_TRUE(StoreDay(diary_, 25, 1, 2002, Body, "A day\r\nto remember", 3).Ok());
    EXPECT_TRUE(diary_.Dirty);
    ASSERT_EQ(diary_.Text.Count(), 1u);
    EXPECT_EQ(diary_.Text[0], "200201253A dayto remember@@{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 "
                              "Arial;}}@@\\pard\\f0\\fs20 Hello\\par@@}@@");

    Store(2002, 1, 31, "last of January");
    Store(2002, 1, 1, "first of January");
    Store(2001, 12, 31, "new year's eve");
    Store(2002, 2, 1, "first of February");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"20011231", "20020101", "20020125", "20020131", "20020201"}));

    ASSERT_TRUE(StoreDay(diary_, 25, 1, 2002, "{\\rtf1 new}", "again", 2).Ok());
    EXPECT_EQ(Keys(), (std::vector<std::string>{"20011231", "20020101", "20020125", "20020131", "20020201"}))
        << "a day's record is replaced in its place, never doubled";
    EXPECT_EQ(diary_.Text[2], "200201252again@@{\\rtf1 new}@@");

    ASSERT_TRUE(StoreDay(diary_, 21, 2, 2003, "{\\rtf1 a\rb\nc}", "one\rtwo\nthree", 0).Ok());
    EXPECT_EQ(diary_.Text[5], "200302210onetwothree@@{\\rtf1 a@@b@@c}@@")
        << "lone line breaks never split a line";
}

TEST_F(DayRecordsTest, LoadGivesBackWhatWasStoredOnEveryMoodAndMonthEdge)
{
    PackedResources store;
    for (const auto& [year, month, day, mood] :
         {std::tuple{2004, 2, 29, 0}, std::tuple{2004, 3, 1, 9}, std::tuple{2003, 12, 31, 5}}) {
        const std::string title = "Day " + std::to_string(day) + " @ home";
        Store(year, month, day, title, mood);
        std::string body, loadedTitle;
        int loadedMood = -1;
        ASSERT_EQ(LoadDay(diary_, store, day, month, year, body, loadedTitle, loadedMood), DayLoad::Record);
        EXPECT_EQ(body, Body);
        EXPECT_EQ(loadedTitle, title);
        EXPECT_EQ(loadedMood, mood);
    }

    std::string body = "kept", title = "kept";
    int mood = 4;
    EXPECT_EQ(LoadDay(diary_, store, 28, 2, 2004, body, title, mood), DayLoad::None);
    EXPECT_EQ(body + title + std::to_string(mood), "keptkept4");
}

TEST_F(DayRecordsTest, ARecordThatWouldReadBackDifferentlyIsRefusedAndChangesNothing)
{
    Store(2010, 1, 11, "kept", 1);
    diary_.Dirty = false;
    const auto refusal = [&](const std::string& title, int mood) {
        const Status stored = StoreDay(diary_, 11, 1, 2010, "{\\rtf1 x}", title, mood);
        EXPECT_FALSE(stored.Ok()) << title << " " << mood;
        EXPECT_EQ(stored.Code(), Reason::Refused);
        return stored.Message();
    };
    EXPECT_EQ(refusal("me@@home", 2), "a title cannot hold \"@@\" or end in \"@\": me@@home");
    EXPECT_EQ(refusal("mail me@", 2), "a title cannot hold \"@@\" or end in \"@\": mail me@")
        << "a closing @ would join the separator";
    EXPECT_EQ(refusal("me@\r\n@home", 2), "a title cannot hold \"@@\" or end in \"@\": me@@home")
        << "what the removed line break leaves is checked";
    EXPECT_EQ(refusal("title", 10), "a mood is a digit from 0 to 9, not 10");
    EXPECT_EQ(refusal("title", -1), "a mood is a digit from 0 to 9, not -1");
    EXPECT_EQ(diary_.Text.Count(), 1u);
    EXPECT_TRUE(diary_.Text[0].starts_with("201001111kept@@")) << "the day's record stays as it was";
    EXPECT_FALSE(diary_.Dirty) << "a refused record changes nothing";
    EXPECT_THROW(DayRecord(2010, 1, 11, 2, "me@@home", "{\\rtf1 x}"), std::invalid_argument)
        << "building such a record is the caller's error";
}

TEST(DayRecordParse, ReadsEveryPartOfARecordTheProgramWrites)
{
    const std::string line = DayRecord(2024, 2, 29, 7, "me@home", "{\\rtf1 a}\r\n\r\nb\r\n");
    const DayParts parts = ParseDayRecord(line);
    EXPECT_EQ(parts.Date, (DayDate{2024, 2, 29}));
    EXPECT_EQ(parts.Mood, 7);
    EXPECT_EQ(parts.Title, "me@home");
    EXPECT_EQ(parts.StoredBody, "{\\rtf1 a}@@@@b@@");
    EXPECT_EQ(parts.Body(), "{\\rtf1 a}\r\n\r\nb\r\n");
    EXPECT_EQ(ParseDayRecord(DayRecord(2024, 1, 1, 0, "", "")).Body(), "");
}

TEST(DayRecordParse, LinesTheProgramNeverWritesLoseNoText)
{
    const DayParts noSeparator = ParseDayRecord("20100101xTitle only");
    EXPECT_EQ(noSeparator.Date, (DayDate{2010, 1, 1}));
    EXPECT_EQ(noSeparator.Mood, std::nullopt);
    EXPECT_EQ(noSeparator.Title, "Title only") << "a line without \"@@\" is all title";
    EXPECT_EQ(noSeparator.Body(), "");

    const DayParts noMood = ParseDayRecord("20100101@@body@@more");
    EXPECT_EQ(noMood.Mood, std::nullopt);
    EXPECT_EQ(noMood.Title, "");
    EXPECT_EQ(noMood.Body(), "body\r\nmore");

    EXPECT_EQ(ParseDayRecord("201001015@@@x").Body(), "@x") << "the first \"@@\" separates";

    const DayParts keyOnly = ParseDayRecord("20100101");
    EXPECT_EQ(keyOnly.Date, (DayDate{2010, 1, 1}));
    EXPECT_EQ(ParseDayRecord("2010010").Date, std::nullopt) << "seven characters are no key";
}

TEST(DayRecordParse, OnlyEightDigitsNamingARealDateAreADate)
{
    EXPECT_EQ(RecordDate("00010101"), (DayDate{1, 1, 1}));
    EXPECT_EQ(RecordDate("99991231x"), (DayDate{9999, 12, 31}));
    for (const char* key : {"20230229", "20240230", "20240431", "20241301", "20240001", "20240100",
                            "00000101", "2024x101", "2024 101", "202401-1", "+2024011", "2024011"})
        EXPECT_EQ(RecordDate(key), std::nullopt) << key;
    EXPECT_EQ(ParseDayRecord("2024x1015Kept@@body").Title, "Kept") << "a bad key spoils the date alone";
}

TEST_F(DayRecordsTest, FirstLoadOfANewDiaryShowsTheWelcomeEntry)
{
    PackedResources store;
    PackedItem& item = store.Items().Add();
    ASSERT_TRUE(item.SetName("TemplateDiary").Ok());
    item.SetData("{\\rtf1 Welcome}");
    diary_.NewDiary = true;
    Store(2020, 1, 21, "existing", 5);

    std::string body, title;
    int mood = 6;
    EXPECT_EQ(LoadDay(diary_, store, 21, 1, 2020, body, title, mood), DayLoad::Welcome);
    EXPECT_EQ(title, "Welcome to the Daybrook!");
    EXPECT_EQ(body, "{\\rtf1 Welcome}");
    EXPECT_EQ(mood, 6);
    EXPECT_FALSE(diary_.NewDiary);
    EXPECT_EQ(LoadDay(diary_, store, 21, 1, 2020, body, title, mood), DayLoad::Record);
    EXPECT_EQ(title, "existing");
}

TEST_F(DayRecordsTest, DeleteRemovesOnlyThatDayAndAlwaysMarksTheDiaryChanged)
{
    DeleteDay(diary_, 23, 3, 2003);
    EXPECT_TRUE(diary_.Dirty);
    for (const int day : {1, 22, 23, 24, 31})
        Store(2003, 3, day);
    DeleteDay(diary_, 23, 3, 2003);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"20030301", "20030322", "20030324", "20030331"}));
    DeleteDay(diary_, 31, 3, 2003);
    DeleteDay(diary_, 1, 3, 2003);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"20030322", "20030324"}));
    DeleteDay(diary_, 23, 3, 2003);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"20030322", "20030324"}));
}

TEST_F(DayRecordsTest, FindEntryDateStepsBetweenRecordsAcrossMonthAndYearEnds)
{
    for (const auto& [year, month, day] :
         {std::tuple{2004, 12, 31}, std::tuple{2005, 1, 1}, std::tuple{2005, 1, 31}, std::tuple{2005, 2, 1},
          std::tuple{2005, 2, 28}})
        Store(year, month, day);
    EXPECT_EQ(FindEntryDate(diary_.Text, 31, 12, 2004, true), (DayDate{2005, 1, 1}));
    EXPECT_EQ(FindEntryDate(diary_.Text, 1, 1, 2005, false), (DayDate{2004, 12, 31}));
    EXPECT_EQ(FindEntryDate(diary_.Text, 31, 1, 2005, true), (DayDate{2005, 2, 1}));
    EXPECT_EQ(FindEntryDate(diary_.Text, 1, 2, 2005, false), (DayDate{2005, 1, 31}));
    EXPECT_EQ(FindEntryDate(diary_.Text, 15, 1, 2005, true), (DayDate{2005, 1, 31}))
        << "from a day without record";
    // Forward from the last record stays; forward after all records goes back to the last.
    EXPECT_EQ(FindEntryDate(diary_.Text, 28, 2, 2005, true), (DayDate{2005, 2, 28}));
    EXPECT_EQ(FindEntryDate(diary_.Text, 19, 9, 2009, true), (DayDate{2005, 2, 28}));
    // Backward from before the first record stays.
    EXPECT_EQ(FindEntryDate(diary_.Text, 13, 1, 2001, false), (DayDate{2001, 1, 13}));
    EXPECT_EQ(FindEntryDate(DiaryText(CompareText), 13, 1, 2001, true), (DayDate{2001, 1, 13}));
}

TEST_F(DayRecordsTest, FindEntryDatePassesOverRecordsWithoutARealDate)
{
    diary_.Text.SetLines({"200501100a@@", "200501320b@@", "200501400c@@", "200502010d@@"});
    EXPECT_EQ(FindEntryDate(diary_.Text, 10, 1, 2005, true), (DayDate{2005, 2, 1}));
    EXPECT_EQ(FindEntryDate(diary_.Text, 1, 2, 2005, false), (DayDate{2005, 1, 10}));
    diary_.Text.SetLines({"200501100a@@", "200501320b@@"});
    EXPECT_EQ(FindEntryDate(diary_.Text, 10, 1, 2005, true), (DayDate{2005, 1, 10}))
        << "nothing real after it";
}

TEST_F(DayRecordsTest, ActiveDaysListTheMonthsDaysFromTheFirstToTheLast)
{
    EXPECT_EQ(UpdateActiveDays(diary_.Text, 2006, 1), "");
    for (const int day : {31, 1, 9, 10})
        Store(2006, 1, day);
    Store(2005, 12, 31);
    Store(2006, 2, 1);
    Store(2004, 2, 29);
    EXPECT_EQ(UpdateActiveDays(diary_.Text, 2006, 1), "1,9,10,31,");
    EXPECT_EQ(UpdateActiveDays(diary_.Text, 2006, 2), "1,");
    EXPECT_EQ(UpdateActiveDays(diary_.Text, 2004, 2), "29,");
    EXPECT_EQ(UpdateActiveDays(diary_.Text, 2006, 3), "");
    for (int day = 1; day <= 31; ++day)
        Store(2007, 7, day);
    EXPECT_TRUE(UpdateActiveDays(diary_.Text, 2007, 7).ends_with(",29,30,31,")) << "a record every day";

    diary_.Text.SetLines({"200803000zero@@", "200803050five@@", "200803320@@"});
    EXPECT_EQ(UpdateActiveDays(diary_.Text, 2008, 3), "5,") << "day characters naming no day are no day";
}

TEST_F(DayRecordsTest, DayContainsTextSearchesTheBodysShownText)
{
    Store(2007, 7, 17, "Title");
    EXPECT_TRUE(DayContainsText(diary_.Text, "ELL", UpperHalf, 2007, 7, 17));
    EXPECT_FALSE(DayContainsText(diary_.Text, "ell", UpperHalf, 2007, 7, 17));
    EXPECT_FALSE(DayContainsText(diary_.Text, "Title", UpperHalf, 2007, 7, 17));
    EXPECT_FALSE(DayContainsText(diary_.Text, "ELL", UpperHalf, 2007, 7, 18));
    EXPECT_FALSE(DayContainsText(diary_.Text, "", UpperHalf, 2007, 7, 17));
}
