// daybrook-tool export: the diary as one RTF document, from the command line.
#include "ToolRun.h"

#include "formats/rtf/RtfReader.h"
#include "formats/diary/DayRecords.h"

#include <filesystem>

using namespace base::text;
using namespace formats::diary;
using namespace formats::rtf;

TEST_F(DaybrookToolTest, ExportWritesEveryEntryOldestFirstUnderItsHeading)
{
    const std::string out = (dir_ / "diary.rtf").string();
    const ToolRun run = Run({"export", sample_, out}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "exported 20 entries to " + out + "\n");

    const std::string document = ReadBytes(out);
    ASSERT_TRUE(
        document.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"));
    const std::string text = PlainText(document, 1252);
    size_t at = 0;
    for (const std::string& line : SplitLines(ReadBytes(VectorPath("diary/sample.lines")))) {
        const DayParts parts = ParseDayRecord(line);
        const size_t heading = text.find(" - " + parts.Title + "\n", at);
        ASSERT_NE(heading, std::string::npos) << parts.Title;
        const std::string body = PlainText(parts.Body(), 1252);
        const std::string firstWords = body.substr(0, body.find_first_of("\n", 1)).substr(0, 20);
        at = text.find(firstWords, heading);
        ASSERT_NE(at, std::string::npos) << firstWords;
    }
}

TEST_F(DaybrookToolTest, ExportFailuresLeaveTheFilesAlone)
{
    const std::string out = (dir_ / "kept.rtf").string();
    WriteBytes(out, "an earlier export");

    ToolRun run = Run({"export", sample_, out}, "not the password");
    EXPECT_EQ(run.Status, 3);
    EXPECT_NE(run.Err.find("wrong password"), std::string::npos) << run.Err;
    EXPECT_EQ(ReadBytes(out), "an earlier export");

    run = Run({"export", sample_, (dir_ / "no-folder" / "x.rtf").string()}, SamplePassword);
    EXPECT_EQ(run.Status, 5);
    EXPECT_NE(run.Err.find("could not be written"), std::string::npos) << run.Err;

    const std::string diary = (dir_ / "mine.dry").string();
    WriteBytes(diary, ReadBytes(sample_));
    run = Run({"export", diary, (dir_ / "." / "mine.dry").string()}, SamplePassword);
    EXPECT_EQ(run.Status, 64);
    EXPECT_NE(run.Err.find("is the diary itself"), std::string::npos) << run.Err;
    EXPECT_TRUE(ReadBytes(diary) == ReadBytes(sample_));

    EXPECT_EQ(Run({"export", sample_}, SamplePassword).Status, 64);
}
