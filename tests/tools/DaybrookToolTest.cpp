// The command-line companion, run as users run it: arguments, environment, standard input,
// exit status and messages.
#include "ToolRun.h"

#include "formats/diary/DiaryFile.h"

#include <algorithm>

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
