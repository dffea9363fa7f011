// A sealed diary through the session: it stays sealed from opening to the save at exit, its
// backups and recovery file are sealed too, and sealing, unsealing and password changes are
// written at exit.
#include "model/session/DiarySession.h"

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

const LineList Records{"202401150Winter@@{\\rtf1 cold}", "202402290Leap@@{\\rtf1 rare}"};
const LineList OlderRecords{"202312240Eve@@{\\rtf1 from the backup}"};
const std::string Spring = "202403010Spring@@{\\rtf1 warm}";

class SealedSessionTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    void SetUp() override
    {
        std::filesystem::create_directory(folder);
        session.SealingKdf = CheapestKdf;
    }

    void Diary(const std::string& name, const LineList& lines, DiaryFormat format,
               const std::string& password = "pw")
    {
        const DiaryLock lock = format == dfSealed ? SealedLock(password, CheapestKdf) : PlainLock(password);
        ASSERT_EQ(SaveDiaryFile(PathOf(name), lines, lock), drDone);
    }

    // The file's records and format, loaded with the password.
    std::pair<LineList, DiaryFormat> Stored(const std::string& name, const std::string& password = "pw")
    {
        LineList lines;
        DiaryLock lock;
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
        session.Text().Add(Spring);
        session.Diary.Dirty = true;
    }

    TempDir place;
    std::filesystem::path folder = place / "diaries";
    DiarySession session{folder.string(), ByteOrder};
};

LineList WithSpring(LineList lines)
{
    lines.push_back(Spring);
    return lines;
}

} // namespace

TEST_F(SealedSessionTest, ASealedDiaryStaysSealedAndSoDoItsBackupsAndRecoveryFile)
{
    session.Create("Vault", "pw", dfSealed);
    EXPECT_EQ(session.Format(), dfSealed);
    session.Text().SetLines(Records);
    session.Diary.Dirty = true;
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(Records, dfSealed));

    DiarySession reopened(folder.string(), ByteOrder);
    ASSERT_EQ(reopened.Open("Vault", "pw"), OpenOutcome::Opened);
    EXPECT_EQ(reopened.Format(), dfSealed);
    EXPECT_EQ(reopened.Text().Lines(), Records);
    reopened.Text().Add(Spring);
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

TEST_F(SealedSessionTest, TheKeyOfTheOpenedFileWritesItAgainWithItsOwnParameters)
{
    ASSERT_EQ(SaveDiaryFile(PathOf("Old.dry"), Records, SealedLock("pw", KdfParams{2, 16})), drDone);
    ASSERT_EQ(session.Open("Old", "pw"), OpenOutcome::Opened);
    Edit();
    ASSERT_TRUE(session.SaveAtExit().Ok());
    KdfParams params;
    ASSERT_EQ(CheckSealedImage(ReadBytes(folder / "Old.dry"), params), drDone);
    EXPECT_EQ(params, (KdfParams{2, 16}));
}

TEST_F(SealedSessionTest, OpeningASealedDiaryTellsAWrongPasswordAndFallsBackOnlyForDamage)
{
    Diary("Vault.dry", Records, dfSealed);
    Diary("Vault.bkd", OlderRecords, dfSealed);
    EXPECT_EQ(session.Open("Vault", "PW"), OpenOutcome::WrongPassword);
    EXPECT_EQ(session.Text().Count(), 0u);

    std::string damaged = ReadBytes(folder / "Vault.dry");
    damaged[damaged.size() / 2] ^= 0x20;
    WriteBytes(folder / "Vault.dry", damaged);
    EXPECT_EQ(session.Open("Vault", "PW"), OpenOutcome::BackupWrongPassword);
    EXPECT_EQ(session.Open("Vault", "pw"), OpenOutcome::RestoredFromBackup);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);
    EXPECT_EQ(session.Format(), dfSealed);
}

TEST_F(SealedSessionTest, SealingIsWrittenAtExitAndLeavesNoPlainCopyBehind)
{
    Diary("Notes.dry", Records, dfPlain);
    Diary("Notes.bkd", OlderRecords, dfPlain);
    ASSERT_EQ(session.Open("Notes", "pw"), OpenOutcome::Opened);
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
    LineList lines;
    EXPECT_EQ(LoadDiary(PathOf("Notes.dry"), lines, "pw"), drDone) << "an unsealed diary is the old format";
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, dfSealed)) << "the previous file, as it was";
}

TEST_F(SealedSessionTest, APasswordChangeGivesASealedDiaryANewKey)
{
    Diary("Vault.dry", Records, dfSealed);
    ASSERT_EQ(session.Open("Vault", "pw"), OpenOutcome::Opened);
    const SealSalt before = session.Lock().Key->Salt();
    ASSERT_EQ(session.ChangePassword("pw", "new", "new"), PasswordChange::Changed);
    const DiaryLock lock = session.Lock();
    EXPECT_NE(lock.Key->Salt(), before);
    EXPECT_TRUE(lock.Key->DerivedFrom("new"));
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry", "new"), std::pair(Records, dfSealed));
    LineList lines;
    DiaryLock found;
    EXPECT_EQ(LoadDiaryFile(PathOf("Vault.dry"), lines, "pw", found), drWrongPassword);

    session.Password = "set directly";
    EXPECT_TRUE(session.Lock().Key->DerivedFrom("set directly")) << "the key follows the password";
}

TEST_F(SealedSessionTest, RestoreReadsEitherFormatAndTheDiaryKeepsItsOwn)
{
    Diary("Vault.dry", Records, dfSealed);
    Diary("plain.bkd", OlderRecords, dfPlain);
    Diary("sealed.bkd", Records, dfSealed);
    Diary("other.bkd", Records, dfSealed, "other");
    ASSERT_EQ(session.Open("Vault", "pw"), OpenOutcome::Opened);
    EXPECT_EQ(session.Restore(PathOf("plain.bkd")), RestoreOutcome::Restored);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);
    EXPECT_EQ(session.Format(), dfSealed);
    EXPECT_EQ(session.Restore(PathOf("other.bkd")), RestoreOutcome::OtherPassword);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);

    session.Create("Fresh", "pw");
    EXPECT_EQ(session.Restore(PathOf("sealed.bkd")), RestoreOutcome::Restored);
    EXPECT_EQ(session.Text().Lines(), Records);
    EXPECT_EQ(session.Format(), dfPlain);
}
