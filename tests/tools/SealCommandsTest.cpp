// Sealed diaries in the command-line companion: seal and unseal, check telling the format, and
// every reading command opening a sealed file as it opens a plain one.
#include "ToolRun.h"

#include <algorithm>

namespace {

class SealedToolTest : public DaybrookToolTest {
protected:
    // The sample diary sealed with the cheapest key derivation.
    const std::string sealed_ = VectorPath("sealed/sample.dry").string();
};

} // namespace

TEST_F(SealedToolTest, SealingAndUnsealingGiveBackTheSamePlainFile)
{
    const std::string out = (dir_ / "sealed.dry").string();
    ToolRun run = Run({"seal", sample_, out}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "sealed 20 records into " + out + "\n");
    EXPECT_EQ(ReadBytes(out).find(SamplePassword), std::string::npos);

    run = Run({"check", out});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("sound sealed diary file"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("(2 passes over 65536 KiB)"), std::string::npos) << run.Out;

    const std::string back = (dir_ / "back.dry").string();
    run = Run({"unseal", out, back}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(ReadBytes(back) == ReadBytes(sample_));
}

TEST_F(SealedToolTest, EveryReadingCommandOpensASealedDiary)
{
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"list"}, {"dump"}, {"show", "", "2002-03-01"}, {"search", "", "Sonya"}}) {
        std::vector<std::string> plainRun = command, sealedRun = command;
        plainRun.insert(plainRun.begin() + 1, sample_);
        sealedRun.insert(sealedRun.begin() + 1, sealed_);
        plainRun.erase(std::remove(plainRun.begin(), plainRun.end(), ""), plainRun.end());
        sealedRun.erase(std::remove(sealedRun.begin(), sealedRun.end(), ""), sealedRun.end());
        const ToolRun plain = Run(plainRun, SamplePassword);
        const ToolRun run = Run(sealedRun, SamplePassword);
        ASSERT_EQ(run.Status, 0) << command[0] << ": " << run.Err;
        EXPECT_TRUE(run.Out == plain.Out) << command[0];
    }
    const ToolRun wrong = Run({"list", sealed_}, "daybrook 2024!");
    EXPECT_EQ(wrong.Status, 3);
    EXPECT_NE(wrong.Err.find("wrong password"), std::string::npos) << wrong.Err;
}

TEST_F(SealedToolTest, ACopyStaysSealedAndCheckTellsDamage)
{
    const std::string copy = (dir_ / "copy.dry").string();
    ASSERT_EQ(Run({"copy", sealed_, copy}, SamplePassword).Status, 0);
    const ToolRun check = Run({"check", copy});
    EXPECT_NE(check.Out.find("sound sealed diary file"), std::string::npos) << check.Out;
    EXPECT_NE(check.Out.find("(1 passes over 8 KiB)"), std::string::npos) << check.Out;
    EXPECT_EQ(Run({"dump", copy}, SamplePassword).Out, ReadBytes(VectorPath("diary/sample.lines")));

    std::string damaged = ReadBytes(sealed_);
    damaged[damaged.size() / 2] ^= 0x04;
    WriteBytes(dir_ / "damaged.dry", damaged);
    for (const char* command : {"check", "list"}) {
        const ToolRun run = Run({command, (dir_ / "damaged.dry").string()}, SamplePassword);
        EXPECT_EQ(run.Status, 4) << command;
        EXPECT_NE(run.Err.find("damaged"), std::string::npos) << run.Err;
    }
    EXPECT_EQ(Run({"seal", (dir_ / "damaged.dry").string(), copy}, SamplePassword).Status, 4);
    EXPECT_EQ(Run({"unseal", sealed_}, SamplePassword).Status, 64);
}
