// The command-line companion, run as users run it: arguments, environment, standard input,
// exit status and messages.
#include "ToolRun.h"

#include "formats/diary/DiaryFile.h"

#include <algorithm>

TEST_F(DaybrookToolTest, CheckNeedsNoPasswordAndExitsWithTheLoadResult)
{
    ToolRun run = Run({"check", sample});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("sound plain diary file, 20 records"), std::string::npos) << run.out;

    std::string damaged = ReadBytes(sample);
    damaged[100] = static_cast<char>(damaged[100] ^ 1);
    WriteBytes(dir / "damaged.dry", damaged);
    run = Run({"check", (dir / "damaged.dry").string()});
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;

    EXPECT_EQ(Run({"check", (dir / "missing.dry").string()}).status, 1);
}

TEST_F(DaybrookToolTest, ListsEntriesWithThePasswordFromTheEnvironmentOrStandardInput)
{
    ToolRun run = Run({"list", sample}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "2002-03-01\t8\tclenching Alec copperheads deafer,");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 20);

    EXPECT_EQ(Run({"list", sample}, nullptr, std::string(SamplePassword) + "\n").out, run.out);

    run = Run({"list", sample}, "daybrook 2024!");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("wrong password"), std::string::npos);
    EXPECT_TRUE(run.out.empty());

    run = Run({"list", sample}, "caf\xC3\xA9 \xCE\xB1"); // an alpha has no place in code page 1252
    EXPECT_EQ(run.status, 64);
    EXPECT_NE(run.err.find("code page 1252"), std::string::npos) << run.err;
}

TEST_F(DaybrookToolTest, DumpWritesTheRecordsAsStored)
{
    const ToolRun run = Run({"dump", sample}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out == ReadBytes(VectorPath("diary/sample.lines")));
}

TEST_F(DaybrookToolTest, CopyIsByteIdenticalAndAFailedCopyKeepsTheTarget)
{
    const std::string out = (dir / "copy.dry").string();
    ToolRun run = Run({"copy", sample, out}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadBytes(out) == ReadBytes(sample));

    run = Run({"copy", sample, (dir / "no-folder" / "copy.dry").string()}, SamplePassword);
    EXPECT_EQ(run.status, 5);
    EXPECT_NE(run.err.find("could not be written"), std::string::npos);
}

TEST_F(DaybrookToolTest, LzhRunsTheRawCodec)
{
    const std::string packed = (dir / "packed").string();
    const std::string unpacked = (dir / "unpacked").string();
    ASSERT_EQ(Run({"lzh", "compress", VectorPath("lzh/01-text.bin").string(), packed}).status, 0);
    EXPECT_TRUE(ReadBytes(packed) == ReadBytes(VectorPath("lzh/01-text.lzh")));
    ASSERT_EQ(Run({"lzh", "decompress", packed, unpacked}).status, 0);
    EXPECT_TRUE(ReadBytes(unpacked) == ReadBytes(VectorPath("lzh/01-text.bin")));

    const ToolRun run = Run({"lzh", "decompress", VectorPath("lzh/01-text.bin").string(), unpacked});
    EXPECT_EQ(run.status, 65);
    EXPECT_NE(run.err.find("Length header"), std::string::npos);
    EXPECT_EQ(Run({"lzh", "decompress", (dir / "none").string(), unpacked}).status, 74);
}

TEST_F(DaybrookToolTest, UsageErrorsAndHelp)
{
    EXPECT_EQ(Run({}).status, 64);
    EXPECT_EQ(Run({"frobnicate"}).status, 64);
    EXPECT_EQ(Run({"list"}).status, 64);
    EXPECT_EQ(Run({"lzh", "squash", "a", "b"}).status, 64);
    for (const char* command : {"check", "list", "dump", "copy", "lzh", "show", "search", "seal", "unseal"}) {
        const ToolRun run = Run({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind(std::string("usage: daybrook-tool ") + command, 0), 0u) << run.out;
    }
    const ToolRun overview = Run({"--help"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_NE(overview.out.find("DAYBROOK_PASSWORD"), std::string::npos);
}

TEST_F(DaybrookToolTest, ShowPrintsTheTextOfOneDay)
{
    ToolRun run = Run({"show", sample, "2002-03-01"}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("Vargas")),
              "Title: clenching Alec copperheads deafer,\nMood: 8\n\nID accounted commandment contributor Cara's.\n");
    EXPECT_TRUE(run.out.ends_with("delegate's Chou's Cor\n")) << run.out;
    EXPECT_EQ(run.out.find("\\par"), std::string::npos);

    run = Run({"show", sample, "2002-03-02"}, SamplePassword);
    EXPECT_EQ(run.status, 65);
    EXPECT_NE(run.err.find("no entry on 2002-03-02"), std::string::npos) << run.err;
    EXPECT_EQ(Run({"show", sample, "1.3.2002"}, SamplePassword).status, 64);
    EXPECT_EQ(Run({"show", sample, "2002-03-01"}, "wrong").status, 3);
}

TEST_F(DaybrookToolTest, SearchFindsTitlesAndShownTextNotFormattingCodes)
{
    ToolRun run = Run({"search", sample, "Sonya"}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2002-03-04\tStein, armisti\n2002-03-07\tBarrett's. ca\n");
    EXPECT_EQ(Run({"search", sample, "sonya"}, SamplePassword).out, "");
    EXPECT_EQ(Run({"search", "--ignore-case", sample, "sONYA"}, SamplePassword).out, run.out);
    EXPECT_EQ(Run({"search", sample, "armisti"}, SamplePassword).out, "2002-03-04\tStein, armisti\n");
    EXPECT_EQ(Run({"search", sample, "fswiss"}, SamplePassword).out, "");
    EXPECT_EQ(Run({"search", sample, ""}, SamplePassword).status, 64);
}
