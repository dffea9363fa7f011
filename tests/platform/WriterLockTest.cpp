#include "platform/files/WriterLock.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform::files;

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

class WriterLockTest : public ::testing::Test {
protected:
    std::string Diary() const { return (folder_ / "Journal.dry").string(); }
    std::filesystem::path LockPath() const { return folder_ / ".~lock.Journal.dry#"; }

    void LockedBy(const LockHolder& holder) const { WriteBytes(LockPath(), LockText(holder)); }

    TempDir folder_;
};

TEST_F(WriterLockTest, OneOpeningHoldsItUntilReleasedAndASecondSeesWho)
{
    WriterLock first(Diary());
    ASSERT_EQ(first.Take(), LockState::Taken);
    const auto written = ParseLockText(ReadBytes(LockPath()));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->Host, ThisHost());
    EXPECT_EQ(written->Pid, ThisProcess().Pid);
    EXPECT_FALSE(written->User.empty());
    EXPECT_EQ(written->Since.size(), 16u) << written->Since;

    WriterLock second(Diary());
    EXPECT_EQ(second.Take(), LockState::HeldHere);
    EXPECT_EQ(second.Holder(), *written);

    first.Release();
    EXPECT_FALSE(std::filesystem::exists(LockPath()));
    EXPECT_EQ(second.Take(), LockState::Taken);
}

TEST_F(WriterLockTest, AStaleLockOfThisHostIsTakenOverWithoutAQuestion)
{
    for (const LockHolder& stale : {LockHolder{"ann", ThisHost(), 999'999'999, ThisProcess().Boot, "2026-12-01 08:00"},
                                    LockHolder{"ann", ThisHost(), ThisProcess().Pid, "an earlier boot", "2026-12-01 08:00"}}) {
        LockedBy(stale);
        WriterLock lock(Diary());
        EXPECT_EQ(lock.Take(), LockState::Taken) << stale.Pid;
        lock.Release();
    }
    WriteBytes(LockPath(), "not a lock of ours");
    WriterLock lock(Diary());
    EXPECT_EQ(lock.Take(), LockState::Taken);
}

TEST_F(WriterLockTest, ALockFromAnotherHostIsHeldUntilTakenOverAndThenNotRemovedByItsFormerHolder)
{
    const LockHolder laptop{"ann", "laptop-of-ann", 1, "boot", "2026-12-07 09:14"};
    LockedBy(laptop);
    WriterLock lock(Diary());
    EXPECT_EQ(lock.Take(), LockState::HeldElsewhere);
    EXPECT_EQ(lock.Holder(), laptop);
    EXPECT_EQ(lock.TakeOver(), LockState::Taken);
    EXPECT_EQ(ParseLockText(ReadBytes(LockPath()))->Pid, ThisProcess().Pid);

    LockedBy(laptop); // the laptop took it back meanwhile
    lock.Release();
    EXPECT_EQ(ParseLockText(ReadBytes(LockPath())), laptop);
}

TEST_F(WriterLockTest, NoLockCanBeMadeInAFolderThatIsNotThere)
{
    WriterLock lock((folder_ / "gone" / "Journal.dry").string());
    EXPECT_EQ(lock.Take(), LockState::Unavailable);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "gone"));
}

} // namespace
