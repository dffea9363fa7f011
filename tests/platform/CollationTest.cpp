#include "platform/locale/Collation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform::locale;

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

TEST(Collation, IgnoresCaseAndFollowsTheAlphabet)
{
    EXPECT_EQ(CompareText("Hello", "hello"), 0);
    EXPECT_EQ(CompareText("HELLO", "hello"), 0);
    EXPECT_LT(CompareText("apple", "Banana"), 0);
    EXPECT_GT(CompareText("Zebra", "apple"), 0);
    EXPECT_LT(CompareText("20240101", "20240102"), 0);
    EXPECT_LT(CompareText("2024010", "20240101x"), 0);
}

// The test program also runs this under a Swedish locale, whose alphabet puts the umlauts after z.
TEST(Collation, KeysOrderAsCompareTextDoes)
{
    const std::vector<std::string> texts{
        "",       "a",         "A",     "apple", "Apple", "APPLE",  "applesauce",   "b",
        "Banana", "\xC4pple",  "\xE4",  "zebra", "\xF6l", "\xC5sa", "r\xE9sum\xE9", "resume",
        "co-op",  "coop",      "don't", "dont",  "1999",  "2nd",    "10",           "9",
        "x y",    "\x93quote", "Z",     "_"};
    for (const auto& a : texts)
        for (const auto& b : texts)
            EXPECT_EQ(Sign(CollationKey(a).compare(CollationKey(b))), Sign(CompareText(a, b)))
                << '"' << a << "\" against \"" << b << '"';
}
