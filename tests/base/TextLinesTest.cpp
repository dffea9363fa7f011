#include "base/text/TextLines.h"

#include <gtest/gtest.h>

using namespace base::text;

TEST(TextLines, EveryKindOfLineBreakEndsALineAndLinesComeBackWithCrLf)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (LineList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (LineList{"a", "", "b"})) << "empty lines are lines";
    EXPECT_EQ(SplitLines("\n\r"), (LineList{"", ""})) << "LF then CR is two breaks";
    EXPECT_EQ(SplitLines("last"), LineList{"last"}) << "a last line without a break";
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({""}), "\r\n");
}
