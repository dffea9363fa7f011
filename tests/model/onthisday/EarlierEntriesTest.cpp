#include "model/onthisday/EarlierEntries.h"
#include "formats/diary/DayRecords.h"

#include <gtest/gtest.h>

using namespace model::onthisday;
using base::dates::Date;
using formats::diary::DayRecord;
using formats::diary::DiaryText;

namespace {

int ByBytes(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

std::string Years(const EarlierEntries& entries)
{
    std::string years;
    for (const EarlierEntry& entry : entries.Listed)
        years += std::to_string(entry.Date.Year) + ' ';
    return years;
}

} // namespace

TEST(EarlierEntries, SameMonthAndDayInEarlierYearsNewestFirst)
{
    DiaryText text(ByBytes); // in file order: the list need not be sorted
    text.Add(DayRecord(2019, 3, 14, 2, "  Pi day  ", "{\\rtf1 x}"));
    text.Add(DayRecord(2024, 3, 14, 7, "River walk", "{\\rtf1 y}"));
    text.Add(DayRecord(2024, 3, 15, 1, "Next day", ""));
    text.Add(DayRecord(2024, 4, 14, 1, "Next month", ""));
    text.Add(DayRecord(2026, 3, 14, 1, "The shown day itself", ""));
    text.Add(DayRecord(2027, 3, 14, 1, "A later year", ""));
    text.Add(DayRecord(2021, 3, 14, 0, "", ""));
    text.Add("20220314xBroken mood@@body");

    const EarlierEntries entries = FindEarlierEntries(text, Date{2026, 3, 14});
    EXPECT_EQ(Years(entries), "2024 2022 2021 2019 ");
    EXPECT_EQ(entries.More, 0u);
    EXPECT_EQ(entries.Listed[0].Title, "River walk");
    EXPECT_EQ(entries.Listed[0].Mood, 7);
    EXPECT_EQ(entries.Listed[0].Date, (Date{2024, 3, 14}));
    EXPECT_EQ(entries.Listed[1].Mood, 0); // no mood digit
    EXPECT_EQ(entries.Listed[2].Title, "");
    EXPECT_EQ(entries.Listed[3].Title, "Pi day");

    EXPECT_TRUE(FindEarlierEntries(text, Date{2019, 3, 14}).Listed.empty());
    EXPECT_TRUE(FindEarlierEntries(text, Date{2026, 3, 16}).Listed.empty());
}

TEST(EarlierEntries, SixAreListedAndTheRestCounted)
{
    DiaryText text(ByBytes);
    for (int year = 2010; year < 2026; ++year)
        text.Add(DayRecord(year, 2, 29 - (year % 4 != 0), 1, "Year " + std::to_string(year), ""));
    // 29 February is found only in leap years; 28 February in the others.
    const EarlierEntries leap = FindEarlierEntries(text, Date{2028, 2, 29});
    EXPECT_EQ(Years(leap), "2024 2020 2016 2012 ");
    const EarlierEntries plain = FindEarlierEntries(text, Date{2026, 2, 28});
    EXPECT_EQ(Years(plain), "2025 2023 2022 2021 2019 2018 ");
    EXPECT_EQ(plain.More, 6u);
}
