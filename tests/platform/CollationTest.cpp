#include "platform/Collation.h"

#include <gtest/gtest.h>

using platform::CompareText;

TEST(Collation, IgnoresCaseAndFollowsTheAlphabet)
{
    EXPECT_EQ(CompareText("Hello", "hello"), 0);
    EXPECT_EQ(CompareText("HELLO", "hello"), 0);
    EXPECT_LT(CompareText("apple", "Banana"), 0);
    EXPECT_GT(CompareText("Zebra", "apple"), 0);
    EXPECT_LT(CompareText("20240101", "20240102"), 0);
    EXPECT_LT(CompareText("2024010", "20240101x"), 0);
}
