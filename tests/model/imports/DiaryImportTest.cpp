// Imported entries in the diary: one entry a day, joined in time order; a day already written
// keeps its own text first; tags last; titles the code page cannot hold kept whole in the text;
// and the question asked before anything changes.
#include "model/imports/DiaryImport.h"

#include "formats/rtf/RtfReader.h"
#include "platform/locale/Collation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace model::imports;

using formats::diary::DayParts;
using formats::diary::DayRecord;
using formats::diary::DiaryRecords;
using formats::diary::ParseDayRecord;
using formats::imports::ImportedEntries;
using formats::imports::ImportedEntry;
using formats::imports::PlainParagraphs;
using formats::rtf::PlainText;
using testing::HasSubstr;

namespace {

ImportedEntry Entry(formats::diary::DayDate date, std::string time, std::string title, std::string body,
                    std::vector<std::string> tags = {})
{
    ImportedEntry entry;
    entry.Date = date;
    entry.Time = std::move(time);
    entry.Title = std::move(title);
    entry.Body = PlainParagraphs(body);
    entry.Tags = std::move(tags);
    return entry;
}

class DiaryImportTest : public ::testing::Test {
protected:
    DiaryImportTest()
    {
        diary_.Text.SetSorted(true);
        diary_.Text.Add(DayRecord(2024, 3, 15, 5, "Written", "{\\rtf1 Mine.}"));
    }

    // The day's title, mood and shown text.
    std::tuple<std::string, int, std::string> Day(const std::string& key) const
    {
        const size_t index = diary_.Text.Find(key);
        EXPECT_LT(index, diary_.Text.Count());
        const DayParts parts = ParseDayRecord(diary_.Text[index]);
        return {parts.Title, parts.Mood.value_or(-1), PlainText(parts.Body(), 1252)};
    }

    DiaryRecords diary_{platform::locale::CompareText};
    const ImportStyle style_{1252, {}, "jrnl.json"};
};

} // namespace

TEST_F(DiaryImportTest, EntriesOfADayAreJoinedInTimeOrderAndAWrittenDayKeepsItsTextFirst)
{
    const ImportedEntries entries{
        Entry({2024, 3, 14}, "18:05", "Evening", "Walked.", {"@work", "dogs"}),
        Entry({2024, 3, 14}, "07:30", "Morning", "Woke."),
        Entry({2024, 3, 15}, "12:00", "Lunch", "Soup."),
    };
    const ImportPreview preview = PreviewImport(diary_.Text, entries, 1252);
    EXPECT_EQ(ImportQuestion(preview),
              "3 entries from 2024-03-14 to 2024-03-15; 1 on days already written will hold both texts. Import?");

    EXPECT_EQ(ApplyImport(diary_, entries, style_), 2u);
    EXPECT_TRUE(diary_.Dirty);
    EXPECT_EQ(diary_.Text.Count(), 2u);
    EXPECT_EQ(Day("20240314"), std::tuple("Morning", 0, "Woke.\n\u2014 18:05 \u00B7 Evening \u2014\nWalked.\n"
                                                        "Tags: @work, dogs"));
    EXPECT_EQ(Day("20240315"),
              std::tuple("Written", 5, "Mine.\n\u2014 Imported from jrnl.json \u00B7 12:00 \u00B7 Lunch \u2014\nSoup."));
}

TEST_F(DiaryImportTest, ATitleTheCodePageCannotHoldIsShortenedAndKeptWholeInTheText)
{
    const ImportedEntries entries{Entry({2024, 1, 2}, "", "\u03A9mega day@", "Text."),
                                  Entry({2024, 1, 3}, "", std::string(120, 'x'), "")};
    const ImportPreview preview = PreviewImport(diary_.Text, entries, 1252);
    EXPECT_EQ(ImportQuestion(preview), "2 entries from 2024-01-02 to 2024-01-03. 2 titles are shortened to what "
                                       "the diary holds; the text keeps them whole. Import?");
    (void)ApplyImport(diary_, entries, style_);
    EXPECT_EQ(Day("20240102"), std::tuple("?mega day", 0, "\u03A9mega day@\nText."));
    EXPECT_EQ(std::get<0>(Day("20240103")), std::string(100, 'x'));
    EXPECT_EQ(ImportQuestion(PreviewImport(diary_.Text, {Entry({2024, 1, 2}, "", "a", "")}, 1252)),
              "1 entry on 2024-01-02; 1 on days already written will hold both texts. Import?");
}
