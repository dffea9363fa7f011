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
    EXPECT_EQ(Describe(ParseSymbCaption("$$$")), "");
    EXPECT_EQ(Describe(ParseSymbCaption("no marks")), "[normal:no marks]");
}

TEST(SymbMarkup, TheBlockIsFourThirdsOfTheTallestRunAndBottomRunsSitLower)
{
    const auto runs = ParseSymbCaption("A$>12$<12$!Bob");
    const SymbolLayout layout = LayoutSymbRuns(runs, {{10, 15}, {8, 9}, {8, 9}, {20, 16}});
    EXPECT_EQ(layout.Width, 46);
    EXPECT_EQ(layout.Height, 21); // 16 * 4 / 3
    std::vector<std::pair<int, int>> places;
    for (const auto& place : layout.Places)
        places.emplace_back(place.X, place.Y);
    EXPECT_EQ(places, (std::vector<std::pair<int, int>>{{0, 0}, {10, 0}, {18, 12}, {26, 0}}));
}
