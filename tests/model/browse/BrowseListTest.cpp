// The browse window's rows, stepping and search, without the window.
#include "model/browse/BrowseList.h"
#include "formats/rtf/RtfReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

using namespace base::text;
using namespace formats::diary;
using namespace formats::rtf;
using namespace model::browse;

using testing::ElementsAre;

namespace {

int ByBytes(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

DiaryText Text(LineList lines)
{
    DiaryText text(ByBytes);
    text.SetLines(std::move(lines));
    return text;
}

std::vector<std::string> Titles(const std::vector<BrowseRow>& rows)
{
    std::vector<std::string> titles;
    for (const auto& row : rows)
        titles.push_back(row.Title);
    return titles;
}

std::string Body(const std::string& text)
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 " + text + "\\par}";
}

BodyText PlainText()
{
    return [](std::string_view rtf) { return formats::rtf::PlainText(rtf, 1252); };
}

} // namespace

TEST(BrowseRows, NewestFirstWithMoodTitleAndRecordIndex)
{
    const DiaryText text = Text({
        DayRecord(2023, 12, 31, 7, "  Old year  ", Body("x")),
        "202402290@@" + Body("leap day, no title"),
        "202403019No separator at all",
        "2024x3021Not a date@@",
        "202402301Thirtieth of February@@",
        "20240303Q Mood is no digit@@",
    });
    const std::vector<BrowseRow> rows = BuildBrowseRows(text);
    EXPECT_THAT(Titles(rows), ElementsAre("Mood is no digit", "No separator at all", UntitledDay, "Old year"))
        << "a record without \"@@\" shows its text as the title, as the main window does";
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(std::tuple(rows[0].Mood, rows[0].Record), std::tuple(-1, 5u));
    EXPECT_EQ(std::tuple(rows[1].Date, rows[1].Mood), std::tuple(DayDate{2024, 3, 1}, 9));
    EXPECT_EQ(std::tuple(rows[3].Date, rows[3].Mood, rows[3].Record),
              std::tuple(DayDate{2023, 12, 31}, 7, 0u));
}

TEST(BrowseStepping, MovesOneRowAndStopsAtTheEnds)
{
    EXPECT_EQ(StepSelection(0, std::nullopt, true), std::nullopt);
    EXPECT_EQ(StepSelection(3, std::nullopt, true), 0u);
    EXPECT_EQ(StepSelection(3, 1u, true), 0u);
    EXPECT_EQ(StepSelection(3, 0u, true), 0u);
    EXPECT_EQ(StepSelection(3, 1u, false), 2u);
    EXPECT_EQ(StepSelection(3, 2u, false), 2u);
}

TEST(BrowseSearch, GoesOnAfterTheSelectedRowAndWrapsAround)
{
    const auto even = [](size_t row) { return row % 2 == 0; };
    EXPECT_EQ(FindNextRow(5, std::nullopt, even), 2u) << "with no selection the first row is tried last";
    EXPECT_EQ(FindNextRow(5, 2u, even), 4u);
    EXPECT_EQ(FindNextRow(5, 4u, even), 0u);
    EXPECT_EQ(FindNextRow(5, 3u, [](size_t row) { return row == 3; }), 3u)
        << "the selected row is tried last";
    EXPECT_EQ(FindNextRow(5, 1u, [](size_t) { return false; }), std::nullopt);
    EXPECT_EQ(FindNextRow(0, std::nullopt, even), std::nullopt);
}

TEST(BrowseSearch, TitlesIgnoreCaseBodiesDoNot)
{
    const DiaryText text = Text({
        DayRecord(2024, 1, 1, 0, "A good day", Body("nothing here")),
        DayRecord(2024, 1, 2, 0, "Quiet", Body("Day of rest")),
        DayRecord(2024, 1, 3, 0, "DAYBREAK", Body("early")),
        DayRecord(2024, 1, 4, 0, "Caf\xE9 au lait", Body("caf\\'e9")),
    });
    const std::vector<BrowseRow> rows = BuildBrowseRows(text);
    const auto matching = [&](const std::string& needle, bool full) {
        const BrowseSearch search(text, needle, needle, full, PlainText());
        std::vector<std::string> titles;
        for (const auto& row : rows)
            if (search(row))
                titles.push_back(row.Title);
        return titles;
    };
    EXPECT_THAT(matching("day", false), ElementsAre("DAYBREAK", "A good day"));
    EXPECT_THAT(matching("day", true), ElementsAre("DAYBREAK", "A good day"));
    EXPECT_THAT(matching("Day", true), ElementsAre("DAYBREAK", "Quiet", "A good day"));
    EXPECT_THAT(matching("rest", false), ElementsAre());

    // The needle in UTF-8 for bodies and in the code page for titles; É finds é in a title.
    const BrowseSearch accented(text, "café", "CAF\xC9", true, PlainText());
    EXPECT_TRUE(accented(rows[0]));
    const BrowseSearch bodyOnly(text, "café", std::nullopt, true, PlainText());
    EXPECT_TRUE(bodyOnly(rows[0])) << "a needle the code page cannot hold still searches bodies";
}
