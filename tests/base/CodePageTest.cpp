#include "base/text/CodePage.h"

#include <gtest/gtest.h>

using namespace base::text;

TEST(CodePage, LocalesChooseTheWindowsAnsiCodePage)
{
    EXPECT_EQ(CodePageForLocale("el_GR.UTF-8"), 1253);
    EXPECT_EQ(CodePageForLocale("tr_TR.UTF-8@euro"), 1254);
    EXPECT_EQ(CodePageForLocale("zh_TW.UTF-8"), 950);
    EXPECT_EQ(CodePageForLocale("zh_CN.UTF-8"), 936);
    EXPECT_EQ(CodePageForLocale(""), 1252);
}

TEST(CodePage, SingleByteTextRoundTripsEveryByte)
{
    for (const int codePage : {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 874}) {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all += static_cast<char>(b);
        const auto back = Utf8ToCodePage(CodePageToUtf8(all, codePage), codePage);
        ASSERT_TRUE(back.has_value()) << codePage;
        EXPECT_EQ(*back, all) << codePage;
    }
    EXPECT_EQ(CodePageToUtf8("\xE1\xE2\xE3", 1253), "\xCE\xB1\xCE\xB2\xCE\xB3"); // alpha beta gamma
    EXPECT_EQ(CodePageToUtf8("\x80", 1252), "\xE2\x82\xAC");                    // euro sign
}

TEST(CodePage, CharactersOutsideTheCodePageAreRefusedNotReplaced)
{
    EXPECT_EQ(Utf8ToCodePage("caf\xC3\xA9", 1252), std::optional<std::string>("caf\xE9"));
    EXPECT_FALSE(Utf8ToCodePage("\xCE\xB1", 1252).has_value()); // Greek alpha
    EXPECT_FALSE(Utf8ToCodePage("\xE2\x9C\x93", 1253).has_value());
    EXPECT_EQ(Utf8ToCodePage("\xE6\x97\xA5", 932), std::optional<std::string>("\x93\xFA"));
    EXPECT_EQ(CodePageToUtf8("\x93\xFA\xFF", 932), "\xE6\x97\xA5\xEF\xBF\xBD");
}
