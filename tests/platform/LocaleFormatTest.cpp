#include "platform/locale/CharCase.h"
#include "base/text/CodePage.h"
#include "platform/locale/FormatSettings.h"
#include "platform/locale/DiaryCodePage.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace platform::locale;

TEST(CharCase, EightBitLettersOfTheCodePageChangeCase)
{
    EXPECT_EQ(UpperCase("LastDiaryName 12_x"), "LASTDIARYNAME 12_X");
    if (DiaryCodePage() != 1252)
        GTEST_SKIP() << "the accented letters below are those of code page 1252";
    EXPECT_EQ(UpperCase("caf\xE9 \xFF \xDF"), "CAF\xC9 \x9F \xDF"); // sharp s has no capital here
}

TEST(FormatSettings, FollowTheDefaultLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const LocaleFormat german = FormatSettings();
    EXPECT_EQ(german.DecimalSeparator, ',');
    EXPECT_EQ(german.DateOrder, LocaleFormat::FieldOrder::DMY);
    EXPECT_EQ(german.DateSeparator, '.');
    EXPECT_FALSE(german.TwelveHour);

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const LocaleFormat american = FormatSettings();
    EXPECT_EQ(american.DecimalSeparator, '.');
    EXPECT_EQ(american.DateOrder, LocaleFormat::FieldOrder::MDY);
    EXPECT_EQ(american.DateSeparator, '/');
    EXPECT_TRUE(american.TwelveHour);
    EXPECT_EQ(american.PmText, "PM");
    QLocale::setDefault(QLocale::system());
}
