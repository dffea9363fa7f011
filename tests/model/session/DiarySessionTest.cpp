#include "model/session/DiarySession.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

const LineList Records{"202401150Winter@@{\\rtf1 cold}", "202402290Leap@@{\\rtf1 rare}"};
const LineList OlderRecords{"202312240Eve@@{\\rtf1 from the backup}"};

class DiarySessionTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    void SetUp() override { std::filesystem::create_directory(folder); }

    void Diary(const std::string& name, const LineList& lines, const std::string& password = "secret")
    {
        ASSERT_TRUE(SaveDiary(PathOf(name), lines, password).Ok());
    }

    LineList Stored(const std::string& name, const std::string& password = "secret")
    {
        const auto lines = LoadDiary(PathOf(name), password);
        EXPECT_TRUE(lines.Ok()) << name;
        return lines ? *lines : LineList{};
    }

    TempDir place;
    std::filesystem::path folder = place / "diaries";
    DiarySession session{folder.string(), ByteOrder};
};

TEST_F(DiarySessionTest, OpeningFallsBackToTheBackupAndTellsEveryOutcome)
{
    Diary("Notes.dry", Records);
    EXPECT_EQ(session.Open("Notes", "secret"), OpenOutcome::Opened);
    EXPECT_EQ(session.Text().Lines(), Records);
    EXPECT_EQ(session.BackupFile, PathOf("Notes.bkd"));

    EXPECT_EQ(session.Open("Notes", "other"), OpenOutcome::WrongPassword);
    EXPECT_EQ(session.Text().Count(), 0u) << "nothing of the diary stays after a refusal";

    WriteBytes(folder / "Notes.dry", "DRY1 damaged");
    Diary("Notes.bkd", OlderRecords);
    EXPECT_EQ(session.Open("Notes", "secret"), OpenOutcome::RestoredFromBackup);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);
    EXPECT_EQ(session.DiaryFile, PathOf("Notes.dry")) << "the next save writes the diary file again";
    EXPECT_EQ(session.Open("Notes", "other"), OpenOutcome::BackupWrongPassword);

    std::filesystem::remove(folder / "Notes.bkd");
    EXPECT_EQ(session.Open("Notes", "secret"), OpenOutcome::Corrupted);
    EXPECT_EQ(session.Text().Count(), 0u);
}

TEST_F(DiarySessionTest, TheExitSaveRotatesTheBackupAndWritesNothingWhenClean)
{
    Diary("Notes.dry", Records);
    Diary("Notes.bkd", OlderRecords);
    ASSERT_EQ(session.Open("Notes", "secret"), OpenOutcome::Opened);
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.bkd"), OlderRecords) << "a clean run rotates nothing";

    session.Text().Add("202403010Spring@@{\\rtf1 warm}");
    session.Diary.Dirty = true;
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_FALSE(session.Dirty());
    EXPECT_EQ(Stored("Notes.bkd"), Records) << "the previous diary became the backup";
    EXPECT_EQ(Stored("Notes.dry").size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(folder / "Notes.dry.new"));
}

TEST_F(DiarySessionTest, AFailedExitSaveKeepsThePreviousFilesAndTheRunsWriting)
{
    Diary("Notes.dry", Records);
    ASSERT_EQ(session.Open("Notes", "secret"), OpenOutcome::Opened);
    session.Text().Add("202403010Spring@@{\\rtf1 warm}");
    session.Diary.Dirty = true;

    const auto moved = place / "elsewhere";
    std::filesystem::rename(folder, moved); // the folder is gone while the window is open
    const SessionResult failed = session.SaveAtExit();
    EXPECT_EQ(failed.Code, result::Reason::WriteFailed);
    EXPECT_NE(failed.Reason.find("Notes.dry"), std::string::npos) << failed.Reason;
    EXPECT_TRUE(session.Dirty()) << "the writing is still to be saved";
    std::filesystem::rename(moved, folder);
    EXPECT_EQ(Stored("Notes.dry"), Records);
    EXPECT_FALSE(std::filesystem::exists(folder / "Notes.bkd"));

    ASSERT_TRUE(session.SaveAtExit().Ok()) << "saved once the folder is back";
    EXPECT_EQ(Stored("Notes.dry").size(), 3u);
    EXPECT_EQ(Stored("Notes.bkd"), Records);
}

TEST_F(DiarySessionTest, ANewDiaryIsWrittenOnlyWhenItChanged)
{
    session.Create("Fresh", "pw");
    EXPECT_EQ(session.BackupFile, PathOf("Fresh.pkd"));
    EXPECT_TRUE(session.Diary.NewDiary);
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    session.Diary.Dirty = true;
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Fresh.dry", "pw"), LineList{});
    EXPECT_FALSE(std::filesystem::exists(folder / "Fresh.pkd"));
}

TEST_F(DiarySessionTest, BackupAndRestoreGiveBackTheSameRecordsUnderTheSamePasswordOnly)
{
    Diary("Notes.dry", Records);
    ASSERT_EQ(session.Open("Notes", "secret"), OpenOutcome::Opened);
    session.Text().SetSorted(true);
    ASSERT_TRUE(session.Backup(PathOf("copy.bkd")).Ok());
    session.Text().Clear();
    EXPECT_EQ(session.Restore(PathOf("copy.bkd")), RestoreOutcome::Restored);
    EXPECT_EQ(session.Text().Lines(), Records);
    EXPECT_TRUE(session.Dirty());

    Diary("other.bkd", OlderRecords, "other");
    EXPECT_EQ(session.Restore(PathOf("other.bkd")), RestoreOutcome::OtherPassword);
    EXPECT_EQ(session.Text().Lines(), Records);
    WriteBytes(folder / "junk.bkd", "not a diary");
    EXPECT_EQ(session.Restore(PathOf("junk.bkd")), RestoreOutcome::Corrupted);

    EXPECT_EQ(session.ChangePassword(" secret\t", "other", "other"), PasswordChange::Changed);
    EXPECT_EQ(session.Restore(PathOf("other.bkd")), RestoreOutcome::Restored);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);

    EXPECT_FALSE(session.Backup(PathOf("missing/copy.bkd")).Ok());
}

TEST_F(DiarySessionTest, PasswordChangeTrimsOnlyTheOldPassword)
{
    session.Create("Fresh", "pw");
    EXPECT_EQ(session.ChangePassword("wrong", "a", "a"), PasswordChange::OldPasswordWrong);
    EXPECT_EQ(session.ChangePassword("pw", " a ", " a"), PasswordChange::NewPasswordsDiffer);
    EXPECT_FALSE(session.Dirty());
    EXPECT_EQ(session.ChangePassword("  pw ", " a ", " a "), PasswordChange::Changed);
    EXPECT_EQ(session.Password, " a ");
    EXPECT_TRUE(session.Dirty());
    EXPECT_EQ(session.ChangePassword(" a", "", ""), PasswordChange::Changed)
        << "an empty password is allowed";
}

TEST_F(DiarySessionTest, ARecoveryFileIsReadWithThePasswordAndSetAsideWhenDeclined)
{
    Diary("Notes.dry", Records);
    ASSERT_EQ(session.Open("Notes", "secret"), OpenOutcome::Opened);
    std::string problem;
    EXPECT_FALSE(session.ReadRecovery(problem).has_value());
    EXPECT_TRUE(problem.empty());

    LineList recovered = Records;
    recovered.push_back("202403010Spring@@{\\rtf1 warm}");
    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), recovered, PlainLock("secret")).Ok());
    EXPECT_EQ(session.RecoveryFile(), PathOf("Notes.rcv"));
    const auto lines = session.ReadRecovery(problem);
    ASSERT_TRUE(lines.has_value());
    session.AcceptRecovery(*lines);
    EXPECT_EQ(session.Text().Lines(), recovered);
    EXPECT_TRUE(session.Dirty());

    ASSERT_TRUE(session.SetRecoveryAside("20261206-203315").Ok());
    EXPECT_FALSE(std::filesystem::exists(folder / "Notes.rcv"));
    EXPECT_EQ(ReadBytes(folder / "Notes-20261206-203315.rcv").substr(0, 4), "DRY1");

    ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), recovered, PlainLock("other")).Ok());
    EXPECT_FALSE(session.ReadRecovery(problem).has_value());
    EXPECT_FALSE(problem.empty()) << "a recovery file that does not open is told";
    session.RemoveRecovery();
    EXPECT_FALSE(std::filesystem::exists(folder / "Notes.rcv"));
}

TEST(DiaryNames, ExtensionsAndFoldersAreBuiltAsTheFilesExpect)
{
    EXPECT_EQ(ReplaceExtension("/d/My Diary.dry", "bkd"), "/d/My Diary.bkd");
    EXPECT_EQ(ReplaceExtension("ab", "bkd"), "ab");
    EXPECT_EQ(ReplaceExtension("abc", "rcv"), "rcv");
    EXPECT_EQ(WithTrailingBackslash("/d"), "/d/");
    EXPECT_EQ(WithTrailingBackslash("/d/"), "/d/");
    EXPECT_EQ(TrimControls(" \t a b\r\n"), "a b");
}

} // namespace
