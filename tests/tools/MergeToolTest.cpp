// daybrook-tool merge and conflicts.
#include "ToolRun.h"

#include "formats/diary/DayRecords.h"
#include "formats/diary/DiaryFormat.h"

using namespace base::text;
using namespace formats::diary;

namespace {

const std::string Winter = "202401150Winter@@{\\rtf1 cold}";
const std::string Leap = "202402290Leap@@{\\rtf1 rare}";
const std::string Spring = "202403010Spring@@{\\rtf1 warm}";

class MergeToolTest : public DaybrookToolTest {
protected:
    std::string Diary(const std::string& name, const LineList& lines, const std::string& password = "pw",
                      DiaryFormat format = DiaryFormat::Plain)
    {
        const std::string file = (dir_ / name).string();
        const DiaryLock lock = format == DiaryFormat::Sealed ? SealedLock(password, CheapestKdf) : PlainLock(password);
        EXPECT_TRUE(SaveDiaryFile(file, lines, lock).Ok());
        return file;
    }

    std::pair<LineList, DiaryFormat> Opened(const std::string& file, const std::string& password = "pw")
    {
        auto opened = LoadDiaryFile(file, password);
        EXPECT_TRUE(opened.Ok()) << file;
        if (!opened)
            return {};
        return {opened->Lines, opened->Lock.Format};
    }

    const std::string out_ = (dir_ / "out.dry").string();
};

TEST_F(MergeToolTest, MergesAgainstABaseIntoOursFormatAndTellsWhatCameIn)
{
    const std::string base = Diary("base.dry", {Winter, Leap});
    const std::string ours = Diary("ours.dry", {"202401150Winter@@{\\rtf1 here}", Leap}, "pw", DiaryFormat::Sealed);
    const std::string theirs = Diary("theirs.dry", {"202401150Winter@@{\\rtf1 there}", Spring});

    const ToolRun run = Run({"merge", "--base", base, ours, theirs, out_}, "pw");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("3 days came in from " + theirs));
    EXPECT_THAT(run.Out, HasSubstr("2024-01-15 holds two texts"));
    const auto [lines, format] = Opened(out_);
    EXPECT_EQ(format, DiaryFormat::Sealed);
    ASSERT_EQ(lines.size(), 2u) << "the leap day deleted there";
    EXPECT_THAT(ParseDayRecord(lines[0]).Body(), testing::AllOf(HasSubstr("here"), HasSubstr("there")));
    EXPECT_EQ(lines[1], Spring);
}

TEST_F(MergeToolTest, ACopyWithAnotherPasswordAsksForItAndWithoutABaseKeepsEveryDay)
{
    const std::string ours = Diary("ours.dry", {Winter});
    const std::string theirs = Diary("theirs.dry", {Leap}, "other");

    ExpectFailure(Run({"merge", ours, theirs, out_}, "pw"), 3, "wrong password");
    EXPECT_FALSE(std::filesystem::exists(out_));

    const ToolRun run = Run({"merge", ours, theirs, out_}, "pw", "other\n");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Err, HasSubstr(theirs + " has another password"));
    EXPECT_EQ(Opened(out_), std::pair(LineList{Winter, Leap}, DiaryFormat::Plain));
}

TEST_F(MergeToolTest, ConflictsListsEachDiaryWithItsCopies)
{
    for (const char* name : {"Journal.dry", "Journal.sync-conflict-20261207-091455-ABCDEF7.dry",
                             "Journal (conflicted copy 2026-12-07 091455).dry", "Work.dry",
                             "Work (copy).dry", "Gone_conflict-20261207-091455.dry"})
        WriteBytes(dir_ / name, "x");
    const ToolRun run = Run({"conflicts", dir_.Path().string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "Gone.dry (not there): 1 conflict copy\n"
                       "  Gone_conflict-20261207-091455.dry\n"
                       "Journal.dry: 2 conflict copies\n"
                       "  Journal (conflicted copy 2026-12-07 091455).dry\n"
                       "  Journal.sync-conflict-20261207-091455-ABCDEF7.dry\n"
                       "Work (copy).dry: 0 conflict copies\n"
                       "Work.dry: 0 conflict copies\n");
}

} // namespace
