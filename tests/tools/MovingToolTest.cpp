// export --format and import: a diary leaves as a folder of Markdown days and comes back into an
// empty diary with the same days, moods, titles and text; a bad source changes nothing.
#include "ToolRun.h"

#include "formats/diary/DiaryFormat.h"
#include "support/DiaryFixtures.h"

#include <sstream>

using testing_support::SampleLines;
using testing_support::SamplePassword;
using tool_test::DaybrookToolTest;
using tool_test::ToolRun;

namespace {

// The "YYYY-MM-DD" of each line of a list.
std::vector<std::string> Dates(const std::string& list)
{
    std::vector<std::string> dates;
    std::istringstream lines(list);
    for (std::string line; std::getline(lines, line);)
        dates.push_back(line.substr(0, 10));
    return dates;
}

} // namespace

TEST_F(DaybrookToolTest, AMarkdownFolderExportImportsBackIntoAnEmptyDiary)
{
    const std::string sample = VectorPath("diary/sample.dry").string();
    const std::string folder = (dir_ / "days").string();
    ASSERT_EQ(Run({"export", "--format", "md-folder", sample, folder}, SamplePassword).Status, 0);

    const std::string empty = (dir_ / "empty.dry").string();
    ASSERT_TRUE(formats::diary::SaveDiaryFile(empty, {}, formats::diary::PlainLock(SamplePassword)).Ok());
    ToolRun run = Run({"import", "--from", "markdown", folder, empty}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("20 entries from 2002-03-01 to "));

    const std::string original = Run({"list", sample}, SamplePassword).Out;
    EXPECT_EQ(Run({"list", empty}, SamplePassword).Out, original) << "dates, moods and titles";
    for (const std::string& date : Dates(original))
        EXPECT_EQ(Run({"show", empty, date}, SamplePassword).Out, Run({"show", sample, date}, SamplePassword).Out)
            << date;
}

TEST_F(DaybrookToolTest, AnImportOfABadSourceChangesNothingAndADryRunOnlyTells)
{
    const std::string diary = (dir_ / "d.dry").string();
    WriteBytes(diary, ReadBytes(VectorPath("diary/sample.dry")));
    WriteBytes(dir_ / "bad.json", R"({"entries": [{"date": "2024-03-01"}, {"date": "2024-02-30"}]})");
    ExpectFailure(Run({"import", "--from", "jrnl", (dir_ / "bad.json").string(), diary}, SamplePassword), 65,
                  "bad.json, entry 2: the date \"2024-02-30\" is not a day of the calendar; nothing was imported");
    WriteBytes(dir_ / "good.json", R"({"entries": [{"date": "2024-03-01", "title": "T", "body": "B"}]})");
    const ToolRun run = Run({"import", "--from", "jrnl", "--dry-run", (dir_ / "good.json").string(), diary},
                            SamplePassword);
    EXPECT_EQ(run.Out, "1 entry on 2024-03-01. Import?\ndry run: " + diary + " is unchanged\n");
    EXPECT_TRUE(ReadBytes(diary) == ReadBytes(VectorPath("diary/sample.dry")));
    ExpectFailure(Run({"export", "--format", "pdf", diary, (dir_ / "x").string()}), 64, "--format takes");
}

TEST_F(DaybrookToolTest, AnotherDiaryOfEitherFormatComesInByTheMergesRulesAndTheDiaryKeepsItsFormat)
{
    using namespace formats::diary;
    const std::string ours = (dir_ / "ours.dry").string();
    const std::string theirs = (dir_ / "theirs.dry").string();
    ASSERT_TRUE(SaveDiaryFile(ours, {"202403140Walk@@{\\rtf1 mine}"}, PlainLock(SamplePassword)).Ok());
    ASSERT_TRUE(SaveDiaryFile(theirs, {"202403140Walk@@{\\rtf1 theirs}", "202403152Rain@@{\\rtf1 wet}"},
                              SealedLock("other", CheapestKdf))
                    .Ok());
    const ToolRun run = Run({"import", "--from", "daybrook", theirs, ours}, SamplePassword, "other\n");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("2 entries from 2024-03-14 to 2024-03-15; 1 on days already written will hold "
                                   "both texts. Import?"));
    EXPECT_EQ(Run({"list", ours}, SamplePassword).Out, "2024-03-14\t0\tWalk\n2024-03-15\t2\tRain\n");
    EXPECT_THAT(Run({"show", ours, "2024-03-14"}, SamplePassword).Out, HasSubstr("mine\n"));
    EXPECT_THAT(Run({"show", ours, "2024-03-14"}, SamplePassword).Out, HasSubstr("theirs"));
    EXPECT_THAT(Run({"check", ours}).Out, HasSubstr("sound plain diary file"));
}
