// The recovery file's schedule and fate, with a worker that writes when the test says so.
#include "model/session/RecoverySchedule.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::TempDir;

namespace {

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

const LineList Records{"202401150Winter@@{\\rtf1 cold}"};

// A timer that only records, and a writer that writes when Complete is called.
class ManualWorker : public RecoveryWorker {
public:
    void StartTimer(int delayMs) override
    {
        Delays.push_back(delayMs);
        TimerRunning = true;
    }
    void StopTimer() override { TimerRunning = false; }
    void StartWrite(std::string file, LineList lines, DiaryLock lock) override
    {
        write_ = [=] { return WriteDiaryCopy(file, lines, lock); };
        ++Writes;
    }
    result::Status WaitForWrite() override { return Complete(); }

    result::Status Complete()
    {
        result::Status written = write_();
        write_ = nullptr;
        return written;
    }

    std::vector<int> Delays;
    bool TimerRunning = false;
    int Writes = 0;

private:
    std::function<result::Status()> write_;
};

class RecoveryScheduleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SaveDiary(folder / "Notes.dry", Records, "pw"), drDone);
        ASSERT_TRUE(session.Open("Notes", "pw").Ok());
    }

    void Change(int day) { session.StoreDay({2024, 3, day}, "{\\rtf1 x}", "Day", 0); }
    // The timer runs out and the write ends.
    void RunTimer()
    {
        ASSERT_TRUE(worker.TimerRunning);
        worker.TimerRunning = false;
        schedule.WriteNow();
        schedule.WriteFinished(worker.Complete());
    }
    LineList Recovered(const std::string& password = "pw")
    {
        LineList lines;
        DiaryLock lock;
        EXPECT_EQ(LoadDiaryFile(session.RecoveryFile(), lines, password, lock), drDone);
        return lines;
    }
    bool RecoveryExists() const { return std::filesystem::exists(session.RecoveryFile()); }

    TempDir folder;
    DiarySession session{folder.Path().string(), ByteOrder};
    ManualWorker worker;
    long long now = 100000;
    RecoverySchedule schedule{session, worker, [this] { return now; }};
};

} // namespace

TEST(RecoveryDelay, AFewSecondsAfterAChangeAndAtLeastThirtySecondsApart)
{
    EXPECT_EQ(RecoveryDelayMs(std::nullopt), 3000);
    EXPECT_EQ(RecoveryDelayMs(1000), 29000);
    EXPECT_EQ(RecoveryDelayMs(28000), 3000);
    EXPECT_EQ(RecoveryDelayMs(600000), 3000);
}

TEST_F(RecoveryScheduleTest, ChangesPlanOneWriteAtATimeSpacedFromThePreviousOne)
{
    session.Text().SetSorted(true);
    EXPECT_TRUE(worker.Delays.empty()) << "opening a diary changes nothing to recover";
    Change(1);
    Change(2);
    EXPECT_EQ(worker.Delays, std::vector<int>{3000}) << "a planned write takes the later change too";
    RunTimer();
    EXPECT_EQ(Recovered().size(), 3u);

    now += 1000;
    Change(3);
    EXPECT_EQ(worker.Delays, (std::vector<int>{3000, 29000}));
    worker.TimerRunning = false;
    schedule.WriteNow();
    Change(4); // while the write runs: planned once it ends
    EXPECT_EQ(worker.Delays.size(), 2u);
    now += 5000;
    schedule.WriteFinished(worker.Complete());
    EXPECT_EQ(worker.Delays, (std::vector<int>{3000, 29000, 25000}));
    RunTimer();
    EXPECT_EQ(Recovered().size(), 5u);
    EXPECT_EQ(worker.Writes, 3);
}

TEST_F(RecoveryScheduleTest, NothingIsWrittenForADiaryWithoutUnsavedChanges)
{
    Change(1);
    ASSERT_TRUE(session.SaveAtExit().Ok());
    schedule.WriteNow();
    EXPECT_EQ(worker.Writes, 0) << "saved in the meantime";
    EXPECT_FALSE(RecoveryExists());
    session.DropChanges();
    ASSERT_TRUE(session.Restore((folder / "Notes.dry").string()).Ok());
    EXPECT_EQ(worker.Delays.size(), 2u) << "restoring a backup is a change to recover";
}

TEST_F(RecoveryScheduleTest, StopWaitsForTheWriteAndAnEndRemovesOnlyAFileThisRunWrote)
{
    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), Records, PlainLock("pw")).Ok());
    schedule.Discard();
    EXPECT_TRUE(RecoveryExists()) << "another run's file is neither written nor taken in by this one";

    Change(1);
    worker.TimerRunning = false;
    schedule.WriteNow();
    EXPECT_TRUE(schedule.Writing());
    schedule.Stop();
    EXPECT_FALSE(schedule.Writing());
    EXPECT_TRUE(schedule.Wrote());
    EXPECT_EQ(Recovered().size(), 2u);
    Change(2);
    EXPECT_TRUE(worker.TimerRunning) << "a change after Stop plans again";
    schedule.Discard();
    EXPECT_FALSE(RecoveryExists());
}

TEST_F(RecoveryScheduleTest, AFailedWriteIsNoWrittenFile)
{
    Change(1);
    std::filesystem::rename(folder.Path(), folder.Path().string() + "-gone");
    worker.TimerRunning = false;
    schedule.WriteNow();
    schedule.WriteFinished(worker.Complete());
    std::filesystem::rename(folder.Path().string() + "-gone", folder.Path());
    EXPECT_FALSE(schedule.Wrote());
    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), Records, PlainLock("pw")).Ok());
    schedule.Discard();
    EXPECT_TRUE(RecoveryExists()) << "the file there is not this run's";
}

TEST_F(RecoveryScheduleTest, ALeftRecoveryFileIsOfferedTakenInOrSetAside)
{
    auto none = schedule.Find();
    ASSERT_TRUE(none.Ok());
    EXPECT_FALSE(none->has_value());

    LineList later = Records;
    later.push_back("202403010Spring@@{\\rtf1 warm}");
    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), later, PlainLock("other")).Ok());
    EXPECT_EQ(schedule.Find().Message(), "it was written with another password");
    std::filesystem::remove(session.RecoveryFile());
    testing_support::WriteBytes(session.RecoveryFile(), "DRY1 damaged");
    EXPECT_EQ(schedule.Find().Message(), "it cannot be read or is damaged");

    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), later, PlainLock("pw")).Ok());
    ASSERT_TRUE(schedule.SetAside("20240315-101500").Ok());
    EXPECT_FALSE(RecoveryExists());
    EXPECT_TRUE(std::filesystem::exists(folder / "Notes-20240315-101500.rcv"));
    EXPECT_FALSE(schedule.Recovered());

    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), later, PlainLock("pw")).Ok());
    auto found = schedule.Find();
    ASSERT_TRUE(found.Ok() && found->has_value());
    schedule.Accept(std::move(**found));
    EXPECT_TRUE(schedule.Recovered());
    EXPECT_EQ(session.Text().Lines(), later);
    EXPECT_TRUE(session.Dirty()) << "the recovered records are saved at exit";
    EXPECT_EQ(worker.Delays.size(), 1u);
    schedule.Discard();
    EXPECT_FALSE(RecoveryExists()) << "a file taken in is this run's";
}

TEST_F(RecoveryScheduleTest, TheEndOfTheDesktopSessionWritesAtOnce)
{
    Change(1);
    EXPECT_TRUE(worker.TimerRunning);
    schedule.WriteBeforeSessionEnd();
    EXPECT_FALSE(worker.TimerRunning);
    EXPECT_EQ(Recovered().size(), 2u);
}
