// The search as the user types, over the texts made once when the browse window opens.
#include "model/browse/SearchCache.h"
#include "formats/rtf/RtfReader.h"
#include "platform/locale/CharCase.h"

#include <gtest/gtest.h>

using namespace formats::diary;
using namespace model::browse;

namespace {

int ByBytes(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

std::string Body(const std::string& rtf)
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 " + rtf + "\\par}";
}

struct Diary {
    DiaryText Text{ByBytes};
    std::vector<BrowseRow> Rows;
    SearchCache Cache;

    explicit Diary(const std::vector<std::string>& records)
    {
        for (const std::string& record : records)
            Text.Add(record);
        Rows = BuildBrowseRows(Text);
        Cache = SearchCache(Text, Rows, [](std::string_view rtf) { return formats::rtf::PlainText(rtf, 1252); });
    }

    TypedMatch Find(const std::string& needle, bool fullContent, size_t from) const
    {
        return Cache.Find(needle, platform::locale::UpperCase(needle), fullContent, from);
    }
};

} // namespace

TEST(SearchCache, CountsEveryMatchAndSelectsTheFirstFromWhereTypingBegan)
{
    // Rows run newest first: 0 is the 5th, 4 the 1st.
    const Diary diary({DayRecord(2024, 5, 1, 1, "River walk", Body("cold water")),
                       DayRecord(2024, 5, 2, 1, "Market", Body("bought a river map")),
                       DayRecord(2024, 5, 3, 1, "Rain", Body("stayed in")),
                       DayRecord(2024, 5, 4, 1, "Riverside", Body("sun")),
                       DayRecord(2024, 5, 5, 1, "Home", Body("The River, again"))});
    EXPECT_EQ(diary.Cache.Body(3), "bought a river map");
    EXPECT_EQ(diary.Cache.UpperTitle(1), "RIVERSIDE");

    // Titles without regard to case; from row 2 on, the first title match is row 4.
    TypedMatch titles = diary.Find("river", false, 2);
    EXPECT_EQ(titles.Count, 2u);
    EXPECT_EQ(titles.Row, 4u);
    // With the bodies, letter case counts there: "The River" is no match for "river" but its
    // title match comes first from row 0 anyway.
    TypedMatch bodies = diary.Find("river", true, 2);
    EXPECT_EQ(bodies.Count, 3u);
    EXPECT_EQ(bodies.Row, 3u);
    EXPECT_EQ(diary.Find("River", true, 0).Count, 3u);
    // Past the last match the search wraps to the first row that matches.
    EXPECT_EQ(diary.Find("home", false, 3).Row, 0u);
    // Each keystroke narrows the count; nothing found selects nothing.
    EXPECT_EQ(diary.Find("r", true, 0).Count, 5u);
    EXPECT_EQ(diary.Find("riverx", true, 0).Count, 0u);
    EXPECT_FALSE(diary.Find("riverx", true, 0).Row);
    EXPECT_FALSE(diary.Find("", true, 0).Row);
}

TEST(SearchCache, PictureDataIsNoText)
{
    const Diary diary({DayRecord(2024, 5, 1, 1, "Photo", Body("seen {\\pict\\pngblip 89504e470d0a1a0a} here"))});
    EXPECT_EQ(diary.Cache.Body(0), "seen  here");
    EXPECT_EQ(diary.Find("504e", true, 0).Count, 0u);
}
