// Merging two copies of a diary by day, and telling the sync engines' conflict copies apart.
#include "formats/merge/ConflictCopy.h"
#include "formats/merge/DayMerge.h"

#include "formats/rtf/RtfReader.h"
#include "formats/rtf/Utf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace base::text;
using namespace formats::diary;
using namespace formats::merge;
using formats::rtf::PlainText;
using formats::rtf::ReadRtf;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

const OtherCopy Laptop{1252, "Journal.dry", "2026-12-07 09:14"};

std::string Record(const char* key, const char* title, const char* body, char mood = '0')
{
    return std::string(key) + mood + title + "@@{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + body + "\\par}";
}

std::string BodyText(const std::string& line)
{
    return PlainText(ParseDayRecord(line).Body(), 1252);
}

TEST(DayMerge, ThreeWayTakesEachSidesChangesAndJoinsDaysWrittenDifferently)
{
    const LineList base{Record("20240110", "A", "a"), Record("20240111", "B", "b"), Record("20240112", "C", "c"),
                        Record("20240113", "D", "d"), Record("20240114", "E", "e")};
    const LineList ours{Record("20240110", "A", "a"),         Record("20240111", "B", "b here"),
                        Record("20240113", "D", "d"),         Record("20240114", "E", "e here", '3'),
                        Record("20240115", "F", "new here"),  Record("20240116", "H", "same on both")};
    const LineList theirs{Record("20240110", "A", "a there"),  Record("20240111", "B", "b"),
                          Record("20240112", "C", "c"),        Record("20240114", "Other", "e there", '7'),
                          Record("20240117", "G", "new there"), Record("20240116", "H", "same on both")};

    const MergedDiary merged = MergeThreeWay(base, ours, theirs, Laptop);

    ASSERT_EQ(merged.Lines.size(), 6u); // C deleted here, D deleted there
    EXPECT_EQ(merged.Lines[0], theirs[0]);
    EXPECT_EQ(merged.Lines[1], ours[1]);
    EXPECT_EQ(merged.Lines[3], ours[4]);
    EXPECT_EQ(merged.Lines[4], ours[5]);
    EXPECT_EQ(merged.Lines[5], theirs[4]);
    const DayParts joined = ParseDayRecord(merged.Lines[2]);
    EXPECT_EQ(joined.Date, (DayDate{2024, 1, 14}));
    EXPECT_EQ(joined.Title, "E");
    EXPECT_EQ(joined.Mood, 3);
    EXPECT_EQ(BodyText(merged.Lines[2]),
              "e here\nAlso written in Journal.dry (2026-12-07 09:14), titled \u201cOther\u201d:\ne there");
    EXPECT_THAT(merged.CameIn, ElementsAre(DayDate{2024, 1, 10}, DayDate{2024, 1, 13}, DayDate{2024, 1, 14},
                                           DayDate{2024, 1, 17}));
    EXPECT_THAT(merged.TwoTexts, ElementsAre(DayDate{2024, 1, 14}));
    EXPECT_TRUE(merged.DiffersFromOther);
}

TEST(DayMerge, ADeletionAgainstAnEditKeepsTheEditOnEitherSide)
{
    const LineList base{Record("20240301", "X", "first")};
    const LineList edited{Record("20240301", "X", "edited")};

    const MergedDiary deletedHere = MergeThreeWay(base, {}, edited, Laptop);
    EXPECT_EQ(deletedHere.Lines, edited);
    EXPECT_THAT(deletedHere.CameIn, ElementsAre(DayDate{2024, 3, 1}));
    EXPECT_FALSE(deletedHere.DiffersFromOther);

    const MergedDiary deletedThere = MergeThreeWay(base, edited, {}, Laptop);
    EXPECT_EQ(deletedThere.Lines, edited);
    EXPECT_TRUE(deletedThere.CameIn.empty());
    EXPECT_TRUE(deletedThere.DiffersFromOther);
}

TEST(DayMerge, TwoWayKeepsEveryDayOfBothAcrossMonthEdges)
{
    const LineList ours{Record("20240131", "Jan end", "here"), Record("20240229", "Leap", "here"),
                        Record("20240301", "Mar", "same")};
    const LineList theirs{Record("20240201", "Feb start", "there"), Record("20240229", "Leap", "there"),
                          Record("20240301", "Mar", "same")};

    const MergedDiary merged = MergeTwoWay(ours, theirs, Laptop);

    ASSERT_EQ(merged.Lines.size(), 4u);
    EXPECT_EQ(merged.Lines[0], ours[0]);
    EXPECT_EQ(merged.Lines[1], theirs[0]);
    EXPECT_EQ(BodyText(merged.Lines[2]), "here\nAlso written in Journal.dry (2026-12-07 09:14):\nthere");
    EXPECT_EQ(merged.Lines[3], ours[2]);
    EXPECT_THAT(merged.CameIn, ElementsAre(DayDate{2024, 2, 1}, DayDate{2024, 2, 29}));
    EXPECT_THAT(merged.TwoTexts, ElementsAre(DayDate{2024, 2, 29}));

    EXPECT_FALSE(MergeTwoWay(theirs, theirs, Laptop).DiffersFromOther);
    EXPECT_TRUE(MergeTwoWay(theirs, theirs, Laptop).CameIn.empty());
}

TEST(DayMerge, JoinedBodyMergesFontTablesAndKeepsBytesOfTheCodePage)
{
    const std::string ours = "202405050Title@@{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}\\f0\\fs20\\b caf\\'e9\\par}";
    const std::string theirs = "202405050Title@@{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\f0 na\\'efve\\par}";

    const auto text = ReadRtf(ParseDayRecord(JoinedRecord(ours, theirs, Laptop)).Body(), 1252);

    ASSERT_EQ(text.Paragraphs.size(), 3u);
    EXPECT_EQ(text.Paragraphs[0].Runs.at(0).Format.Font, "Courier New");
    EXPECT_EQ(text.Paragraphs[0].Runs.at(0).Text, u"caf\u00e9");
    const auto& separator = text.Paragraphs[1].Runs.at(0).Format;
    EXPECT_TRUE(separator.Italic && !separator.Bold);
    EXPECT_EQ(separator.Font, "Courier New") << "the separator reads as part of this side's body";
    EXPECT_EQ(separator.HalfPoints, 20);
    EXPECT_EQ(text.Paragraphs[2].Runs.at(0).Format.Font, "Times New Roman");
    EXPECT_EQ(text.Paragraphs[2].Runs.at(0).Text, u"na\u00efve");
}

TEST(DayMerge, LinesThatNameNoDateAreKeptAsTheyStand)
{
    const LineList ours{"not a record", Record("20240101", "A", "a")};
    const LineList theirs{"20241399 odd", Record("20240101", "A", "a")};

    EXPECT_THAT(MergeTwoWay(ours, theirs, Laptop).Lines,
                ElementsAre(Record("20240101", "A", "a"), "20241399 odd", "not a record"));
}

TEST(ConflictCopy, EachEnginesNameBelongsToItsDiary)
{
    for (const char* name : {"Journal.sync-conflict-20261207-091455-ABCDEF7.dry",
                             "Journal (conflicted copy 2026-12-07 091455).dry", "Journal_conflict-20261207-091455.dry",
                             "Journal (Ann's conflicted copy 2026-12-07).dry", "journal.SYNC-CONFLICT-20261207-091455-X1.DRY"})
        EXPECT_THAT(ConflictCopyOf(name).value_or(""), testing::MatchesRegex("[Jj]ournal\\.dry")) << name;
    EXPECT_EQ(ConflictCopyOf("My (old) notes (conflicted copy 2026-12-07 091455).dry"), "My (old) notes.dry");
}

TEST(ConflictCopy, NamesThatMerelyResembleOnesStayDiaries)
{
    for (const char* name : {"Journal.dry", "Journal.sync-conflict.dry", "Journal.sync-conflict-2026-12-07-ABC.dry",
                             "Journal (copy).dry", "Journal (conflicted copy).dry", "Journal_conflict.dry",
                             "Journal_conflict-20261207.dry", "Journal (Ann's conflicted copy 7 Dec).dry",
                             "Journal.sync-conflict-20261207-091455-ABC.bkd", "conflicted copy 2026-12-07 091455.dry"})
        EXPECT_FALSE(ConflictCopyOf(name)) << name;
}

TEST(ConflictCopy, CopiesOfOneDiaryAreFoundAmongTheFolder)
{
    const std::vector<std::string> names{"Journal.dry", "Journal_conflict-20261207-091455.dry", "Work.dry",
                                         "Work_conflict-20261207-091455.dry",
                                         "JOURNAL (conflicted copy 2026-12-08 101010).dry"};
    EXPECT_THAT(ConflictCopiesOf(names, "Journal.dry"),
                ElementsAre("Journal_conflict-20261207-091455.dry", "JOURNAL (conflicted copy 2026-12-08 101010).dry"));
}

} // namespace
