// The status lines' mark-up: runs, markers and the placement of the runs in the block.
#include "model/birthdays/SymbolMarkup.h"

#include <gtest/gtest.h>

using namespace model::birthdays;

namespace {

std::string Describe(const std::vector<SymbolRun>& runs)
{
    std::string text;
    for (const SymbolRun& run : runs) {
        const char* font[] = {"normal", "strong", "small", "symbol"};
        text += std::string("[") + font[static_cast<int>(run.Font)] + (run.AtBottom ? " bottom" : "") + ":" +
                run.Text + "]";
    }
    return text;
}

} // namespace

TEST(SymbMarkup, RunsTakeTheirFontFromTheirFirstCharacter)
{
    EXPECT_EQ(Describe(ParseSymbCaption("This Month: $$!Ann Lee$ ($>12$)  ")),
              "[normal:This Month: ][strong:Ann Lee][normal: (][small:12][normal:)  ]");
    EXPECT_EQ(Describe(ParseSymbCaption("$<low$~sym$!$>$$")), "[small bottom:low][symbol:sym]");
    // A name that starts with a marker by accident loses it.
    EXPECT_EQ(Describe(ParseSymbCaption("!Kim")), "[strong:Kim]");
    EXPECT_EQ(Describe(ParseSymbCaption("")), "");
    EXPECT_EQ(Describe(ParseSymbCaption("$$$")), "");
    EXPECT_EQ(Describe(ParseSymbCaption("no marks")), "[normal:no marks]");
}

TEST(SymbMarkup, TheBlockIsFourThirdsOfTheTallestRunAndBottomRunsSitLower)
{
    const auto runs = ParseSymbCaption("A$>12$<12$!Bob");
    const SymbolLayout layout = LayoutSymbRuns(runs, {{10, 15}, {8, 9}, {8, 9}, {20, 16}});
    EXPECT_EQ(layout.Width, 46);
    EXPECT_EQ(layout.Height, 21); // 16 * 4 / 3
    ASSERT_EQ(layout.Places.size(), 4u);
    EXPECT_EQ(layout.Places[0].X, 0);
    EXPECT_EQ(layout.Places[1].X, 10);
    EXPECT_EQ(layout.Places[2].X, 18);
    EXPECT_EQ(layout.Places[3].X, 26);
    EXPECT_EQ(layout.Places[1].Y, 0);
    EXPECT_EQ(layout.Places[2].Y, 12);
    EXPECT_EQ(layout.Places[3].Y, 0);
}
