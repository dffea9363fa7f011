// Sealed diaries in the command-line companion: seal and unseal, check telling the format, and
// every reading command opening a sealed file as it opens a plain one.
#include "ToolRun.h"

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
    EXPECT_THAT(run.Out, HasSubstr("sound sealed diary file"));
    EXPECT_THAT(run.Out, HasSubstr("(2 passes over 65536 KiB)"));

    const std::string back = (dir_ / "back.dry").string();
    run = Run({"unseal", out, back}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(ReadBytes(back) == ReadBytes(sample_));
}

// The commands share one way of opening a diary: one of them stands for all.
TEST_F(SealedToolTest, AReadingCommandOpensASealedDiaryAsItOpensAPlainOne)
{
    const ToolRun run = Run({"list", sealed_}, SamplePassword);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, Run({"list", sample_}, SamplePassword).Out);
    ExpectFailure(Run({"list", sealed_}, "daybrook 2024!"), 3, "wrong password");
}

TEST_F(SealedToolTest, ACopyStaysSealedAndCheckTellsDamage)
{
    const std::string copy = (dir_ / "copy.dry").string();
    ASSERT_EQ(Run({"copy", sealed_, copy}, SamplePassword).Status, 0);
    const ToolRun check = Run({"check", copy});
    EXPECT_THAT(check.Out, HasSubstr("sound sealed diary file"));
    EXPECT_THAT(check.Out, HasSubstr("(1 passes over 8 KiB)"));
    EXPECT_EQ(Run({"dump", copy}, SamplePassword).Out, ReadBytes(VectorPath("diary/sample.lines")));

    std::string damaged = ReadBytes(sealed_);
    damaged[damaged.size() / 2] ^= 0x04;
    WriteBytes(dir_ / "damaged.dry", damaged);
    ExpectFailure(Run({"check", (dir_ / "damaged.dry").string()}), 4, "damaged");
}
