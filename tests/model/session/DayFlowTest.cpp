#include "model/session/DayFlow.h"

#include "formats/resources/PackedResources.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include "support/DiaryFixtures.h"

using namespace base::dates;
using namespace formats::diary;
using namespace formats::resources;
using namespace model::session;

using testing_support::ByteOrder;

namespace {

class DayFlowTest : public ::testing::Test {
protected:
    DayFlowTest()
    {
        PackedItem& item = store_.Items().Add();
        EXPECT_TRUE(item.SetName("TemplateDiary").Ok());
        item.SetData("{\\rtf1 Welcome}");
        session_.Create("Fresh", "pw");
        session_.Diary.NewDiary = false;
        session_.Text().SetSorted(true);
    }

    // Leaves the shown day as the window does, then loads the date.
    ShownEntry Leave(const Date& date, EditorContent content, std::string_view rtf = "{\\rtf1 x}",
                     bool fromControl = true)
    {
        if (DayFlow::ShouldStore(fromControl, content))
            flow_.Store(rtf, content.Title);
        return flow_.Load(date);
    }

    testing_support::TempDir folder_;
    PackedResources store_;
    DiarySession session_{folder_.Path().string(), ByteOrder};
    DayFlow flow_{session_, store_};
};

const Date March15{2024, 3, 15}, March16{2024, 3, 16}, April20{2024, 4, 20};

TEST_F(DayFlowTest, LeavingADayStoresItOnlyWhenItWasEditedAndHoldsText)
{
    flow_.Load(March15);
    EXPECT_FALSE(flow_.ShouldStore(true, {false, "text", "title"})) << "not modified";
    EXPECT_FALSE(flow_.ShouldStore(false, {true, "text", "title"})) << "no control started the change";
    EXPECT_FALSE(flow_.ShouldStore(true, {true, " \r\n\t", "  "})) << "only blanks";
    EXPECT_TRUE(flow_.ShouldStore(true, {true, "", "A title"})) << "a title alone is stored";

    flow_.CurrentMood = 4;
    Leave(March16, {true, "body text", "  spaced title "});
    EXPECT_TRUE(session_.Dirty());
    ASSERT_EQ(session_.Text().Count(), 1u);
    EXPECT_EQ(session_.Text()[0], "202403154  spaced title @@{\\rtf1 x}@@");
    EXPECT_EQ(flow_.ShownDay, 16);

    const ShownEntry back = Leave(March15, {false, "", ""});
    EXPECT_EQ(back.Load, DayLoad::Record);
    EXPECT_EQ(back.Title, "  spaced title ");
    EXPECT_EQ(back.Mood, 4);
    EXPECT_EQ(flow_.CurrentMood, 4);

    Leave(March16, {true, "", ""}); // both emptied: the old record stays
    EXPECT_EQ(session_.Text().Count(), 1u);

    Leave(March15, {true, "", "write to me@"});
    EXPECT_EQ(flow_.Load(March16).Title, "write to me@ ") << "a title ending in @ reads back";
}

TEST_F(DayFlowTest, ADayWithoutRecordShowsEmptyWithTheFirstMood)
{
    flow_.CurrentMood = 7;
    const ShownEntry empty = flow_.Load(April20);
    EXPECT_EQ(empty.Load, DayLoad::None);
    EXPECT_EQ(empty.Title + empty.Body, "");
    EXPECT_EQ(flow_.CurrentMood, 0);
    EXPECT_EQ((Date{flow_.ShownYear, flow_.ShownMonth, flow_.ShownDay}), April20);
}

TEST_F(DayFlowTest, TheWelcomeEntryBecomesARecordOnlyWhenEdited)
{
    session_.Diary.NewDiary = true;
    const ShownEntry welcome = flow_.Load(March15);
    EXPECT_EQ(welcome.Load, DayLoad::Welcome);
    Leave(March16, {false, "Welcome", "Welcome to the Daybrook!"});
    EXPECT_EQ(session_.Text().Count(), 0u);
    EXPECT_FALSE(session_.Dirty());
    EXPECT_EQ(flow_.Load(March15).Load, DayLoad::None) << "the welcome entry is shown once";
}

// The order and search rules are the diary text's own; here: the flow stores, deletes and
// navigates through them.
TEST_F(DayFlowTest, StoringDeletingAndNavigationGoThroughTheSortedRecords)
{
    for (const Date& date : {April20, Date{2023, 12, 31}, March15}) {
        flow_.Load(date);
        flow_.Store("{\\rtf1 x}", "t");
    }
    flow_.Delete({2023, 12, 31});
    std::string keys;
    for (const auto& line : session_.Text().Lines())
        keys += line.substr(0, 8) + " ";
    EXPECT_EQ(keys, "20240315 20240420 ");
    EXPECT_EQ(flow_.EntryDate(March16, true), April20);

    flow_.BrowseSelection = 1;
    EXPECT_EQ(flow_.BrowsedDate(), April20);
    flow_.BrowseSelection = 2;
    EXPECT_FALSE(flow_.BrowsedDate().has_value());
}

TEST_F(DayFlowTest, DeletingADayIsAChangeThatEscapeReloads)
{
    EXPECT_FALSE(flow_.EscapeReloads());
    flow_.Delete(March15);
    EXPECT_TRUE(session_.Dirty()) << "deleting a day without record still counts as a change";
    EXPECT_TRUE(flow_.EscapeReloads());
}

TEST(DayFlowRules, MoodsWrap)
{
    EXPECT_EQ(DayFlow::NextMood(9), 0);
    EXPECT_EQ(DayFlow::PreviousMood(0), 9);
}

} // namespace
