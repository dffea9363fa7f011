// daybrook-tool export: the diary as one RTF document, from the command line.
#include "ToolRun.h"

#include "formats/diary/DayRecords.h"
#include "formats/rtf/RtfReader.h"

#include <filesystem>

using namespace base::text;
using namespace formats::diary;
using namespace formats::rtf;

TEST_F(DaybrookToolTest, ExportWritesEveryEntryUnderItsHeading)
{
    const std::string out = (dir_ / "diary.rtf").string();
    const ToolRun run = Run({"export", sample_, out}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "exported 20 entries to " + out + "\n");

    const std::string document = ReadBytes(out);
    ASSERT_TRUE(
        document.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"));
    // The document's own order and formatting are the export's; here: every entry is in it.
    const std::string text = PlainText(document, 1252);
    for (const std::string& line : SplitLines(ReadBytes(VectorPath("diary/sample.lines"))))
        EXPECT_THAT(text, HasSubstr(" - " + ParseDayRecord(line).Title + "\n"));
}

TEST_F(DaybrookToolTest, ExportFailuresLeaveTheFilesAlone)
{
    const std::string out = (dir_ / "kept.rtf").string();
    WriteBytes(out, "an earlier export");

    ExpectFailure(Run({"export", sample_, out}, "not the password"), 3, "wrong password");
    EXPECT_EQ(ReadBytes(out), "an earlier export");

    const std::string diary = (dir_ / "mine.dry").string();
    WriteBytes(diary, ReadBytes(sample_));
    ExpectFailure(Run({"export", diary, (dir_ / "." / "mine.dry").string()}, SamplePassword), 64,
                  "is the diary itself");
    EXPECT_TRUE(ReadBytes(diary) == ReadBytes(sample_));
}
