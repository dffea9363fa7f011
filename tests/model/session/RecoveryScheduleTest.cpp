// The recovery file's schedule and fate, with a worker that writes when the test says so.
#include "model/session/RecoverySchedule.h"

#include "SessionFixture.h"
#include "platform/files/WriterLock.h"

#include <functional>

using namespace session_test;

namespace {

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
    Status WaitForWrite() override { return Complete(); }

    Status Complete()
    {
        Status written = write_();
        write_ = nullptr;
        return written;
    }

    std::vector<int> Delays;
    bool TimerRunning = false;
    int Writes = 0;

private:
    std::function<Status()> write_;
};

class RecoveryScheduleTest : public SessionTest {
protected:
    RecoveryScheduleTest()
    {
        Diary("Notes.dry", {Records[0]});
        EXPECT_TRUE(session_.Open("Notes", "pw").Ok());
    }

    void Change(int day) { session_.StoreDay({2024, 3, day}, "{\\rtf1 x}", "Day", 0); }
    // The timer runs out and the write ends.
    void RunTimer()
    {
        ASSERT_TRUE(worker_.TimerRunning);
        worker_.TimerRunning = false;
        schedule_.WriteNow();
        schedule_.WriteFinished(worker_.Complete());
    }
    LineList Recovered() const { return Stored(session_.RecoveryFile()); }
    bool RecoveryExists() const { return std::filesystem::exists(session_.RecoveryFile()); }

    ManualWorker worker_;
    long long now_ = 100000;
    RecoverySchedule schedule_{session_, worker_, [this] { return now_; }};
};

} // namespace

TEST(RecoveryDelay, AFewSecondsAfterAChangeAndAtLeastThirtySecondsApart)
{
    EXPECT_EQ(RecoveryDelayMs(std::nullopt), 3000);
    EXPECT_EQ(RecoveryDelayMs(1000), 29000);
    EXPECT_EQ(RecoveryDelayMs(28000), 3000);
}

TEST_F(RecoveryScheduleTest, ChangesPlanOneWriteAtATimeSpacedFromThePreviousOne)
{
    session_.Text().SetSorted(true);
    EXPECT_TRUE(worker_.Delays.empty()) << "opening a diary changes nothing to recover";
    Change(1);
    Change(2);
    EXPECT_EQ(worker_.Delays, std::vector<int>{3000}) << "a planned write takes the later change too";
    RunTimer();
    EXPECT_EQ(Recovered().size(), 3u);

    now_ += 1000;
    Change(3);
    EXPECT_EQ(worker_.Delays, (std::vector<int>{3000, 29000}));
    worker_.TimerRunning = false;
    schedule_.WriteNow();
    Change(4); // while the write runs: planned once it ends
    EXPECT_EQ(worker_.Delays.size(), 2u);
    now_ += 5000;
    schedule_.WriteFinished(worker_.Complete());
    EXPECT_EQ(worker_.Delays, (std::vector<int>{3000, 29000, 25000}));
    RunTimer();
    EXPECT_EQ(Recovered().size(), 5u);
    EXPECT_EQ(worker_.Writes, 3);
}

TEST_F(RecoveryScheduleTest, NothingIsWrittenForADiaryWithoutUnsavedChanges)
{
    Change(1);
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    schedule_.WriteNow();
    EXPECT_EQ(worker_.Writes, 0) << "saved in the meantime";
    EXPECT_FALSE(RecoveryExists());
    session_.DropChanges();
    ASSERT_TRUE(session_.Restore(PathOf("Notes.dry")).Ok());
    EXPECT_EQ(worker_.Delays.size(), 2u) << "restoring a backup is a change to recover";
}

TEST_F(RecoveryScheduleTest, StopWaitsForTheWriteAndAnEndRemovesOnlyAFileThisRunWrote)
{
    ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), {Records[0]}, PlainLock("pw")).Ok());
    schedule_.Discard();
    EXPECT_TRUE(RecoveryExists()) << "another run's file is neither written nor taken in by this one";

    Change(1);
    worker_.TimerRunning = false;
    schedule_.WriteNow();
    EXPECT_TRUE(schedule_.Writing());
    schedule_.Stop();
    EXPECT_FALSE(schedule_.Writing());
    EXPECT_TRUE(schedule_.Wrote());
    EXPECT_EQ(Recovered().size(), 2u);
    Change(2);
    EXPECT_TRUE(worker_.TimerRunning) << "a change after Stop plans again";
    schedule_.Discard();
    EXPECT_FALSE(RecoveryExists());
}

TEST_F(RecoveryScheduleTest, AFailedWriteIsNoWrittenFile)
{
    Change(1);
    std::filesystem::rename(folder_, place_ / "gone");
    worker_.TimerRunning = false;
    schedule_.WriteNow();
    schedule_.WriteFinished(worker_.Complete());
    std::filesystem::rename(place_ / "gone", folder_);
    EXPECT_FALSE(schedule_.Wrote());
    ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), {Records[0]}, PlainLock("pw")).Ok());
    schedule_.Discard();
    EXPECT_TRUE(RecoveryExists()) << "the file there is not this run's";
}

TEST_F(RecoveryScheduleTest, ALeftRecoveryFileIsOfferedTakenInOrSetAside)
{
    auto none = schedule_.Find();
    ASSERT_TRUE(none.Ok());
    EXPECT_FALSE(none->has_value());

    const LineList later = WithSpring({Records[0]});
    ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), later, PlainLock("other")).Ok());
    EXPECT_EQ(schedule_.Find().Message(), "it was written with another password");
    std::filesystem::remove(session_.RecoveryFile());
    WriteBytes(session_.RecoveryFile(), "DRY1 damaged");
    EXPECT_EQ(schedule_.Find().Message(), "it cannot be read or is damaged");

    ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), later, PlainLock("pw")).Ok());
    ASSERT_TRUE(schedule_.SetAside("20240315-101500").Ok());
    EXPECT_FALSE(RecoveryExists());
    EXPECT_TRUE(std::filesystem::exists(folder_ / ("Notes." + platform::files::ThisHost() + "-20240315-101500.rcv")))
        << "named after the host, so that a synced copy is not offered on another machine";
    EXPECT_FALSE(schedule_.Recovered());

    ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), later, PlainLock("pw")).Ok());
    auto found = schedule_.Find();
    ASSERT_TRUE(found.Ok() && found->has_value());
    schedule_.Accept(std::move(**found));
    EXPECT_TRUE(schedule_.Recovered());
    EXPECT_EQ(session_.Text().Lines(), later);
    EXPECT_TRUE(session_.Dirty()) << "the recovered records are saved at exit";
    EXPECT_EQ(worker_.Delays.size(), 1u);
    schedule_.Discard();
    EXPECT_FALSE(RecoveryExists()) << "a file taken in is this run's";
}
