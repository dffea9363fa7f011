// Sealed diaries in the command-line companion: seal and unseal, check telling the format, and
// every reading command opening a sealed file as it opens a plain one.
#include "ToolRun.h"

#include <algorithm>

namespace {

class SealedToolTest : public DaybrookToolTest {
protected:
    // The sample diary sealed with the cheapest key derivation.
    const std::string sealed = VectorPath("sealed/sample.dry").string();
};

} // namespace

TEST_F(SealedToolTest, SealingAndUnsealingGiveBackTheSamePlainFile)
{
    const std::string out = (dir / "sealed.dry").string();
    ToolRun run = Run({"seal", sample, out}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "sealed 20 records into " + out + "\n");
    EXPECT_EQ(ReadBytes(out).find(SamplePassword), std::string::npos);

    run = Run({"check", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("sound sealed diary file"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("(2 passes over 65536 KiB)"), std::string::npos) << run.out;

    const std::string back = (dir / "back.dry").string();
    run = Run({"unseal", out, back}, SamplePassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadBytes(back) == ReadBytes(sample));
}

TEST_F(SealedToolTest, EveryReadingCommandOpensASealedDiary)
{
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"list"}, {"dump"}, {"show", "", "2002-03-01"}, {"search", "", "Sonya"}}) {
        std::vector<std::string> plainRun = command, sealedRun = command;
        plainRun.insert(plainRun.begin() + 1, sample);
        sealedRun.insert(sealedRun.begin() + 1, sealed);
        plainRun.erase(std::remove(plainRun.begin(), plainRun.end(), ""), plainRun.end());
        sealedRun.erase(std::remove(sealedRun.begin(), sealedRun.end(), ""), sealedRun.end());
        const ToolRun plain = Run(plainRun, SamplePassword);
        const ToolRun run = Run(sealedRun, SamplePassword);
        ASSERT_EQ(run.status, 0) << command[0] << ": " << run.err;
        EXPECT_TRUE(run.out == plain.out) << command[0];
    }
    const ToolRun wrong = Run({"list", sealed}, "daybrook 2024!");
    EXPECT_EQ(wrong.status, 3);
    EXPECT_NE(wrong.err.find("wrong password"), std::string::npos) << wrong.err;
}

TEST_F(SealedToolTest, ACopyStaysSealedAndCheckTellsDamage)
{
    const std::string copy = (dir / "copy.dry").string();
    ASSERT_EQ(Run({"copy", sealed, copy}, SamplePassword).status, 0);
    const ToolRun check = Run({"check", copy});
    EXPECT_NE(check.out.find("sound sealed diary file"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("(1 passes over 8 KiB)"), std::string::npos) << check.out;
    EXPECT_EQ(Run({"dump", copy}, SamplePassword).out, ReadBytes(VectorPath("diary/sample.lines")));

    std::string damaged = ReadBytes(sealed);
    damaged[damaged.size() / 2] ^= 0x04;
    WriteBytes(dir / "damaged.dry", damaged);
    for (const char* command : {"check", "list"}) {
        const ToolRun run = Run({command, (dir / "damaged.dry").string()}, SamplePassword);
        EXPECT_EQ(run.status, 4) << command;
        EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run({"seal", (dir / "damaged.dry").string(), copy}, SamplePassword).status, 4);
    EXPECT_EQ(Run({"unseal", sealed}, SamplePassword).status, 64);
}
