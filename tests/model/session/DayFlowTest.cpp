#include "model/session/DayFlow.h"

#include "formats/resources/PackedResources.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

class DayFlowTest : public ::testing::Test {
protected:
    DayFlowTest()
    {
        PackedItem& item = store.Items().Add();
        EXPECT_TRUE(item.SetName("TemplateDiary").Ok());
        item.SetData("{\\rtf1 Welcome}");
        session.Create("Fresh", "pw");
        session.Diary.NewDiary = false;
        session.Text().SetSorted(true);
    }

    // Leaves the shown day as the window does, then loads the date.
    ShownEntry Leave(const calendar::Date& date, EditorContent content, std::string_view rtf = "{\\rtf1 x}",
                      bool fromControl = true)
    {
        if (DayFlow::ShouldStore(fromControl, content))
            flow.Store(rtf, content.Title);
        return flow.Load(date);
    }

    testing_support::TempDir folder;
    PackedResources store;
    DiarySession session{folder.Path().string(), ByteOrder};
    DayFlow flow{session, store};
};

const calendar::Date March15{2024, 3, 15}, March16{2024, 3, 16}, April20{2024, 4, 20};

TEST_F(DayFlowTest, LeavingADayStoresItOnlyWhenItWasEditedAndHoldsText)
{
    flow.Load(March15);
    EXPECT_FALSE(flow.ShouldStore(true, {false, "text", "title"})) << "not modified";
    EXPECT_FALSE(flow.ShouldStore(false, {true, "text", "title"})) << "no control started the change";
    EXPECT_FALSE(flow.ShouldStore(true, {true, " \r\n\t", "  "})) << "only blanks";
    EXPECT_TRUE(flow.ShouldStore(true, {true, "", "A title"})) << "a title alone is stored";

    flow.CurrentMood = 4;
    Leave(March16, {true, "body text", "  spaced title "});
    EXPECT_TRUE(session.Dirty());
    ASSERT_EQ(session.Text().Count(), 1u);
    EXPECT_EQ(session.Text()[0], "202403154  spaced title @@{\\rtf1 x}@@");
    EXPECT_EQ(flow.ShownDay, 16);

    const ShownEntry back = Leave(March15, {false, "", ""});
    EXPECT_EQ(back.Load, DayLoad::Record);
    EXPECT_EQ(back.Title, "  spaced title ");
    EXPECT_EQ(back.Mood, 4);
    EXPECT_EQ(flow.CurrentMood, 4);

    Leave(March16, {true, "", ""}); // both emptied: the old record stays
    EXPECT_EQ(session.Text().Count(), 1u);
}

TEST_F(DayFlowTest, ADayWithoutRecordShowsEmptyWithTheFirstMood)
{
    flow.CurrentMood = 7;
    const ShownEntry empty = flow.Load(April20);
    EXPECT_EQ(empty.Load, DayLoad::None);
    EXPECT_EQ(empty.Title, "");
    EXPECT_EQ(empty.Body, "");
    EXPECT_EQ(flow.CurrentMood, 0);
    EXPECT_EQ((calendar::Date{flow.ShownYear, flow.ShownMonth, flow.ShownDay}), April20);
}

TEST_F(DayFlowTest, TheWelcomeEntryBecomesARecordOnlyWhenEdited)
{
    session.Diary.NewDiary = true;
    const ShownEntry welcome = flow.Load(March15);
    EXPECT_EQ(welcome.Load, DayLoad::Welcome);
    EXPECT_EQ(welcome.Title, "Welcome to the Daybrook!");
    Leave(March16, {false, "Welcome", "Welcome to the Daybrook!"});
    EXPECT_EQ(session.Text().Count(), 0u);
    EXPECT_FALSE(session.Dirty());
    EXPECT_EQ(flow.Load(March15).Load, DayLoad::None) << "the welcome entry is shown once";
}

TEST_F(DayFlowTest, ATitleEndingInAnAtSignReadsBack)
{
    flow.Load(March15);
    Leave(March16, {true, "", "write to me@"});
    EXPECT_EQ(flow.Load(March15).Title, "write to me@ ");
}

TEST_F(DayFlowTest, NavigationFollowsTheRecords)
{
    for (const auto& date : {March15, April20}) {
        flow.Load(date);
        flow.Store("{\\rtf1 x}", "t");
    }
    EXPECT_EQ(flow.EntryDate(March16, true), April20);
    EXPECT_EQ(flow.EntryDate(April20, true), April20) << "next from the last record stays";
    EXPECT_EQ(flow.EntryDate({2025, 1, 13}, true), April20) << "next from after the last goes back to it";
    EXPECT_EQ(flow.EntryDate(March16, false), March15);
    EXPECT_EQ(flow.ActiveDays(2024, 3), "15,");

    flow.BrowseSelection = 1;
    EXPECT_EQ(flow.BrowsedDate(), April20);
    flow.BrowseSelection = 2;
    EXPECT_FALSE(flow.BrowsedDate().has_value());
    flow.BrowseSelection = -1;
    EXPECT_FALSE(flow.BrowsedDate().has_value());
}

TEST_F(DayFlowTest, DeleteAndTheExitRules)
{
    EXPECT_FALSE(flow.CloseNeedsQuestion());
    EXPECT_FALSE(flow.EscapeReloads());
    const unsigned before = flow.Revision();
    flow.Delete(March15);
    EXPECT_TRUE(session.Dirty()) << "deleting a day without record still counts as a change";
    EXPECT_GT(flow.Revision(), before);
    EXPECT_TRUE(flow.CloseNeedsQuestion());
    EXPECT_TRUE(flow.EscapeReloads());
    flow.DropChanges();
    EXPECT_FALSE(session.Dirty());
}

TEST(DayFlowRules, MoodsWrapAndRecoveryWritesAreSpaced)
{
    EXPECT_EQ(DayFlow::NextMood(9), 0);
    EXPECT_EQ(DayFlow::NextMood(3), 4);
    EXPECT_EQ(DayFlow::PreviousMood(0), 9);
    EXPECT_EQ(DayFlow::PreviousMood(5), 4);

    EXPECT_EQ(RecoveryDelayMs(std::nullopt), 3000);
    EXPECT_EQ(RecoveryDelayMs(1000), 29000);
    EXPECT_EQ(RecoveryDelayMs(28000), 3000);
    EXPECT_EQ(RecoveryDelayMs(600000), 3000);
}

} // namespace
