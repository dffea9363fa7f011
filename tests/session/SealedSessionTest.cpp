// A sealed diary through the session: it stays sealed from opening to the save at exit, its
// backups and recovery file are sealed too, and sealing, unsealing and password changes are
// written at exit.
#include "session/DiarySession.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

const TLines Records{"202401150Winter@@{\\rtf1 cold}", "202402290Leap@@{\\rtf1 rare}"};
const TLines OlderRecords{"202312240Eve@@{\\rtf1 from the backup}"};
const std::string Spring = "202403010Spring@@{\\rtf1 warm}";

class SealedSession : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    void SetUp() override
    {
        std::filesystem::create_directory(folder);
        session.SealingKdf = CheapestKdf;
    }

    void Diary(const std::string& name, const TLines& lines, TDiaryFormat format,
               const std::string& password = "pw")
    {
        const TDiaryLock lock = format == dfSealed ? SealedLock(password, CheapestKdf) : PlainLock(password);
        ASSERT_EQ(SaveDiaryFile(PathOf(name), lines, lock), drDone);
    }

    // The file's records and format, loaded with the password.
    std::pair<TLines, TDiaryFormat> Stored(const std::string& name, const std::string& password = "pw")
    {
        TLines lines;
        TDiaryLock lock;
        EXPECT_EQ(LoadDiaryFile(PathOf(name), lines, password, lock), drDone) << name;
        return {lines, lock.Format};
    }

    bool ShowsText(const std::string& name) const
    {
        const std::string bytes = ReadBytes(folder / name);
        return bytes.find("Winter") != std::string::npos || bytes.find("Spring") != std::string::npos ||
               bytes.find("Eve") != std::string::npos;
    }

    void Edit()
    {
        session.DiaryText().Add(Spring);
        session.Diary.Dirty = true;
    }

    TempDir place;
    std::filesystem::path folder = place / "diaries";
    TDiarySession session{folder.string(), ByteOrder};
};

TLines WithSpring(TLines lines)
{
    lines.push_back(Spring);
    return lines;
}

} // namespace

TEST_F(SealedSession, ASealedDiaryStaysSealedAndSoDoItsBackupsAndRecoveryFile)
{
    session.Create("Vault", "pw", dfSealed);
    EXPECT_EQ(session.Format(), dfSealed);
    session.DiaryText().SetLines(Records);
    session.Diary.Dirty = true;
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(Records, dfSealed));

    TDiarySession reopened(folder.string(), ByteOrder);
    ASSERT_EQ(reopened.Open("Vault", "pw"), TOpenOutcome::Opened);
    EXPECT_EQ(reopened.Format(), dfSealed);
    EXPECT_EQ(reopened.DiaryText().Lines(), Records);
    reopened.DiaryText().Add(Spring);
    reopened.Diary.Dirty = true;
    ASSERT_TRUE(reopened.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(WithSpring(Records), dfSealed));
    EXPECT_EQ(Stored("Vault.bkd"), std::pair(Records, dfSealed));

    ASSERT_TRUE(reopened.Backup(PathOf("copy.bkd")).Ok());
    EXPECT_EQ(Stored("copy.bkd"), std::pair(WithSpring(Records), dfSealed));
    ASSERT_TRUE(WriteDiaryCopy(reopened.RecoveryFile(), Records, reopened.Lock()).Ok());
    EXPECT_EQ(Stored("Vault.rcv"), std::pair(Records, dfSealed));
    std::string problem;
    EXPECT_EQ(reopened.ReadRecovery(problem), Records);

    for (const char* name : {"Vault.dry", "Vault.bkd", "copy.bkd", "Vault.rcv"})
        EXPECT_FALSE(ShowsText(name)) << name;
}

TEST_F(SealedSession, TheKeyOfTheOpenedFileWritesItAgainWithItsOwnParameters)
{
    ASSERT_EQ(SaveDiaryFile(PathOf("Old.dry"), Records, SealedLock("pw", TKdfParams{2, 16})), drDone);
    ASSERT_EQ(session.Open("Old", "pw"), TOpenOutcome::Opened);
    Edit();
    ASSERT_TRUE(session.SaveAtExit().Ok());
    TKdfParams params;
    ASSERT_EQ(CheckSealedImage(ReadBytes(folder / "Old.dry"), params), drDone);
    EXPECT_EQ(params, (TKdfParams{2, 16}));
}

TEST_F(SealedSession, OpeningASealedDiaryTellsAWrongPasswordAndFallsBackOnlyForDamage)
{
    Diary("Vault.dry", Records, dfSealed);
    Diary("Vault.bkd", OlderRecords, dfSealed);
    EXPECT_EQ(session.Open("Vault", "PW"), TOpenOutcome::WrongPassword);
    EXPECT_EQ(session.DiaryText().Count(), 0u);

    std::string damaged = ReadBytes(folder / "Vault.dry");
    damaged[damaged.size() / 2] ^= 0x20;
    WriteBytes(folder / "Vault.dry", damaged);
    EXPECT_EQ(session.Open("Vault", "PW"), TOpenOutcome::BackupWrongPassword);
    EXPECT_EQ(session.Open("Vault", "pw"), TOpenOutcome::RestoredFromBackup);
    EXPECT_EQ(session.DiaryText().Lines(), OlderRecords);
    EXPECT_EQ(session.Format(), dfSealed);
}

TEST_F(SealedSession, SealingIsWrittenAtExitAndLeavesNoPlainCopyBehind)
{
    Diary("Notes.dry", Records, dfPlain);
    Diary("Notes.bkd", OlderRecords, dfPlain);
    ASSERT_EQ(session.Open("Notes", "pw"), TOpenOutcome::Opened);
    EXPECT_EQ(session.Format(), dfPlain);
    session.SetFormat(dfPlain);
    EXPECT_FALSE(session.Dirty()) << "the diary has that format already";

    session.SetFormat(dfSealed);
    EXPECT_EQ(session.Format(), dfSealed);
    EXPECT_TRUE(session.Dirty());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(Records, dfPlain)) << "nothing is written before the exit";
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(Records, dfSealed));
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, dfSealed)) << "the previous content, sealed";
    EXPECT_FALSE(ShowsText("Notes.dry"));
    EXPECT_FALSE(ShowsText("Notes.bkd"));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2);

    session.SetFormat(dfPlain);
    EXPECT_TRUE(session.Dirty());
    Edit();
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(WithSpring(Records), dfPlain));
    TLines lines;
    EXPECT_EQ(LoadDiary(PathOf("Notes.dry"), lines, "pw"), drDone) << "an unsealed diary is the old format";
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, dfSealed)) << "the previous file, as it was";
}

TEST_F(SealedSession, APasswordChangeGivesASealedDiaryANewKey)
{
    Diary("Vault.dry", Records, dfSealed);
    ASSERT_EQ(session.Open("Vault", "pw"), TOpenOutcome::Opened);
    const TSealSalt before = session.Lock().Key->Salt();
    ASSERT_EQ(session.ChangePassword("pw", "new", "new"), TPasswordChange::Changed);
    const TDiaryLock lock = session.Lock();
    EXPECT_NE(lock.Key->Salt(), before);
    EXPECT_TRUE(lock.Key->DerivedFrom("new"));
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry", "new"), std::pair(Records, dfSealed));
    TLines lines;
    TDiaryLock found;
    EXPECT_EQ(LoadDiaryFile(PathOf("Vault.dry"), lines, "pw", found), drWrongPassword);

    session.Password = "set directly";
    EXPECT_TRUE(session.Lock().Key->DerivedFrom("set directly")) << "the key follows the password";
}

TEST_F(SealedSession, RestoreReadsEitherFormatAndTheDiaryKeepsItsOwn)
{
    Diary("Vault.dry", Records, dfSealed);
    Diary("plain.bkd", OlderRecords, dfPlain);
    Diary("sealed.bkd", Records, dfSealed);
    Diary("other.bkd", Records, dfSealed, "other");
    ASSERT_EQ(session.Open("Vault", "pw"), TOpenOutcome::Opened);
    EXPECT_EQ(session.Restore(PathOf("plain.bkd")), TRestoreOutcome::Restored);
    EXPECT_EQ(session.DiaryText().Lines(), OlderRecords);
    EXPECT_EQ(session.Format(), dfSealed);
    EXPECT_EQ(session.Restore(PathOf("other.bkd")), TRestoreOutcome::OtherPassword);
    EXPECT_EQ(session.DiaryText().Lines(), OlderRecords);

    session.Create("Fresh", "pw");
    EXPECT_EQ(session.Restore(PathOf("sealed.bkd")), TRestoreOutcome::Restored);
    EXPECT_EQ(session.DiaryText().Lines(), Records);
    EXPECT_EQ(session.Format(), dfPlain);
}
