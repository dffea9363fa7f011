#include "formats/diary/DiaryText.h"

#include "platform/locale/Collation.h"

#include <gtest/gtest.h>

using namespace base::text;
using namespace formats::diary;
using namespace platform::locale;

namespace {

DiaryText Sorted(LineList lines = {})
{
    DiaryText text(CompareText);
    text.SetSorted(true);
    text.SetLines(std::move(lines));
    return text;
}

} // namespace

TEST(DiaryText, KeepsFileOrderUntilSortedThenInsertsInPlace)
{
    DiaryText text(CompareText);
    text.SetText("200203050b@@\r\n200101011a@@\r\n200203040c@@\r\n");
    EXPECT_EQ(text.Lines(), (LineList{"200203050b@@", "200101011a@@", "200203040c@@"}));
    text.SetSorted(true);
    EXPECT_EQ(text.Lines(), (LineList{"200101011a@@", "200203040c@@", "200203050b@@"}));
    text.Add("200203041d@@");
    text.Add("199912310e@@");
    EXPECT_EQ(text.Lines(), (LineList{"199912310e@@", "200101011a@@", "200203040c@@", "200203041d@@", "200203050b@@"}));
    EXPECT_EQ(text.Text(), "199912310e@@\r\n200101011a@@\r\n200203040c@@\r\n200203041d@@\r\n200203050b@@\r\n");
}

TEST(DiaryText, IgnoresALineEqualToOneAlreadyThereLetterCaseIgnored)
{
    DiaryText text = Sorted({"200101011Title@@", "200101011TITLE@@", "200101021x@@"});
    EXPECT_EQ(text.Count(), 2u);
    text.Add("200101011title@@");
    EXPECT_EQ(text.Count(), 2u);
    text.Add("200101012title@@"); // same key, other line: both stay
    EXPECT_EQ(text.Count(), 3u);
}

TEST(DiaryText, EveryChangeOfASortedListKeepsItSorted)
{
    DiaryText text = Sorted({"200103010c@@", "200101010a@@", "200102280b@@"});
    const auto keys = [&] {
        std::string joined;
        for (const auto& line : text.Lines())
            joined += line.substr(0, 8) + " ";
        return joined;
    };
    EXPECT_EQ(keys(), "20010101 20010228 20010301 ");
    text.Add("200012310z@@");
    text.Add("200103310d@@");
    text.Add("200102010m@@");
    EXPECT_EQ(keys(), "20001231 20010101 20010201 20010228 20010301 20010331 ");
    text.SetLines({"200201010x@@", "200101010y@@", "200201010x@@"});
    EXPECT_EQ(keys(), "20010101 20020101 ") << "sorted anew, the repeated line once";
    text.SetSorted(false);
    text.Add("199901010w@@");
    EXPECT_EQ(keys(), "20010101 20020101 19990101 ") << "unsorted, a line goes to the end";
}

TEST(DiaryText, FindGivesTheInsertionPoint)
{
    const DiaryText text = Sorted({"200101011a@@", "200101051b@@", "200102011c@@"});
    EXPECT_EQ(text.Find("20010101"), 0u);
    EXPECT_EQ(text.Find("20010102"), 1u);
    EXPECT_EQ(text.Find("20010105"), 1u);
    EXPECT_EQ(text.Find("20991231"), 3u);
    EXPECT_EQ(text.Find("19000101"), 0u);
    EXPECT_EQ(Sorted().Find("20010101"), 0u);
}
