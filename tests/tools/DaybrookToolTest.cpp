// The command-line companion, run as users run it: arguments, environment, standard input,
// exit status and messages.
#include "ToolRun.h"

#include "formats/diary/DayRecords.h"
#include "formats/rtf/RtfReader.h"

#include <algorithm>

using namespace base::text;
using namespace formats::diary;
using namespace formats::rtf;

TEST_F(DaybrookToolTest, CheckNeedsNoPasswordAndExitsWithTheLoadResult)
{
    ToolRun run = Run({"check", sample_});
    EXPECT_EQ(run.Status, 0);
    EXPECT_THAT(run.Out, HasSubstr("sound plain diary file, 20 records"));

    std::string damaged = ReadBytes(sample_);
    damaged[100] = static_cast<char>(damaged[100] ^ 1);
    WriteBytes(dir_ / "damaged.dry", damaged);
    ExpectFailure(Run({"check", (dir_ / "damaged.dry").string()}), 4, "damaged");
}

TEST_F(DaybrookToolTest, ListsEntriesWithThePasswordFromTheEnvironmentOrStandardInput)
{
    ToolRun run = Run({"list", sample_}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\n')), "2002-03-01\t8\tclenching Alec copperheads deafer,");
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 20);

    EXPECT_EQ(Run({"list", sample_}, nullptr, std::string(SamplePassword) + "\n").Out, run.Out);

    run = Run({"list", sample_}, "daybrook 2024!");
    ExpectFailure(run, 3, "wrong password");
    EXPECT_TRUE(run.Out.empty());
}

TEST_F(DaybrookToolTest, CopyIsByteIdenticalAndAFailedCopyKeepsTheTarget)
{
    const std::string out = (dir_ / "copy.dry").string();
    ToolRun run = Run({"copy", sample_, out}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(ReadBytes(out) == ReadBytes(sample_));

    ExpectFailure(Run({"copy", sample_, (dir_ / "no-folder" / "copy.dry").string()}, SamplePassword), 5,
                  "could not be written");
}

TEST_F(DaybrookToolTest, LzhRunsTheRawCodec)
{
    const std::string packed = (dir_ / "packed").string();
    const std::string unpacked = (dir_ / "unpacked").string();
    ASSERT_EQ(Run({"lzh", "compress", VectorPath("lzh/01-text.bin").string(), packed}).Status, 0);
    EXPECT_TRUE(ReadBytes(packed) == ReadBytes(VectorPath("lzh/01-text.lzh")));

    ExpectFailure(Run({"lzh", "decompress", VectorPath("lzh/01-text.bin").string(), unpacked}), 65,
                  "Length header");
}

TEST_F(DaybrookToolTest, UsageErrorsAndHelp)
{
    EXPECT_EQ(Run({"frobnicate"}).Status, 64);
    EXPECT_EQ(Run({"list"}).Status, 64);
    EXPECT_EQ(Run({"--help"}).Status, 0);
}

TEST_F(DaybrookToolTest, ShowPrintsTheTextOfOneDay)
{
    ToolRun run = Run({"show", sample_, "2002-03-01"}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.substr(0, run.Out.find("Vargas")),
              "Title: clenching Alec copperheads deafer,\nMood: 8\n\nID accounted commandment contributor "
              "Cara's.\n");
    EXPECT_EQ(run.Out.find("\\par"), std::string::npos);

    ExpectFailure(Run({"show", sample_, "2002-03-02"}, SamplePassword), 65, "no entry on 2002-03-02");
}

TEST_F(DaybrookToolTest, SearchFindsTitlesAndShownTextNotFormattingCodes)
{
    ToolRun run = Run({"search", sample_, "Sonya"}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "2002-03-04\tStein, armisti\n2002-03-07\tBarrett's. ca\n");
    EXPECT_EQ(Run({"search", "--ignore-case", sample_, "sONYA"}, SamplePassword).Out, run.Out);
    EXPECT_EQ(Run({"search", sample_, "fswiss"}, SamplePassword).Out, "");
}

TEST_F(DaybrookToolTest, ExportWritesEveryEntryAndAFailureLeavesTheFilesAlone)
{
    const std::string out = (dir_ / "diary.rtf").string();
    const ToolRun run = Run({"export", sample_, out}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "exported 20 entries to " + out + "\n");
    // The document's own order and formatting are the export's; here: every entry is in it.
    const std::string exported = ReadBytes(out);
    const std::string text = PlainText(exported, 1252);
    for (const std::string& line : SplitLines(ReadBytes(VectorPath("diary/sample.lines"))))
        EXPECT_THAT(text, HasSubstr(" - " + ParseDayRecord(line).Title + "\n"));

    ExpectFailure(Run({"export", sample_, out}, "not the password"), 3, "wrong password");
    EXPECT_TRUE(ReadBytes(out) == exported);
    const std::string diary = (dir_ / "mine.dry").string();
    WriteBytes(diary, ReadBytes(sample_));
    ExpectFailure(Run({"export", diary, (dir_ / "." / "mine.dry").string()}, SamplePassword), 64,
                  "is the diary itself");
    EXPECT_TRUE(ReadBytes(diary) == ReadBytes(sample_));
}

TEST_F(DaybrookToolTest, SealingAndUnsealingGiveBackTheSamePlainFile)
{
    const std::string out = (dir_ / "sealed.dry").string();
    ToolRun run = Run({"seal", sample_, out}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "sealed 20 records into " + out + "\n");
    run = Run({"check", out});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("version 2 (zstd)"));
    EXPECT_THAT(run.Out, HasSubstr("(2 passes over 65536 KiB)"));

    const std::string back = (dir_ / "back.dry").string();
    run = Run({"unseal", out, back}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(ReadBytes(back) == ReadBytes(sample_));
}

// The commands share one way of opening a diary: one of them stands for all.
TEST_F(DaybrookToolTest, ACopyOfASealedDiaryStaysSealedAndReadsAsThePlainOne)
{
    const std::string original = VectorPath("sealed/sample-v1.dry").string();
    EXPECT_THAT(Run({"check", original}).Out, HasSubstr("sound sealed diary file, version 1 (LZH)"));
    const std::string copy = (dir_ / "copy.dry").string();
    ASSERT_EQ(Run({"copy", original, copy}, SamplePassword).Status, 0);
    const std::string checked = Run({"check", copy}).Out;
    EXPECT_THAT(checked, HasSubstr("sound sealed diary file, version 2 (zstd)"));
    EXPECT_THAT(checked, HasSubstr("(1 passes over 8 KiB)"));
    EXPECT_EQ(Run({"dump", copy}, SamplePassword).Out, ReadBytes(VectorPath("diary/sample.lines")));
}
