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
        const DiaryLock lock = format == DiaryFormat::Sealed ? SealedLock(password, CheapestKdf) : PlainLock(password);
        ASSERT_TRUE(SaveDiaryFile(PathOf(name), lines, lock).Ok());
    }

    // The file's records and format, loaded with the password.
    std::pair<LineList, DiaryFormat> Stored(const std::string& name, const std::string& password = "pw")
    {
        const auto opened = LoadDiaryFile(PathOf(name), password);
        EXPECT_TRUE(opened.Ok()) << name;
        return opened ? std::pair(opened->Lines, opened->Lock.Format) : std::pair(LineList{}, DiaryFormat::Plain);
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
    session.Create("Vault", "pw", DiaryFormat::Sealed);
    EXPECT_EQ(session.Format(), DiaryFormat::Sealed);
    session.Text().SetLines(Records);
    session.Diary.Dirty = true;
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(Records, DiaryFormat::Sealed));

    DiarySession reopened(folder.string(), ByteOrder);
    ASSERT_EQ(reopened.Open("Vault", "pw"), OpenOutcome::Opened);
    EXPECT_EQ(reopened.Format(), DiaryFormat::Sealed);
    EXPECT_EQ(reopened.Text().Lines(), Records);
    reopened.Text().Add(Spring);
    reopened.Diary.Dirty = true;
    ASSERT_TRUE(reopened.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(WithSpring(Records), DiaryFormat::Sealed));
    EXPECT_EQ(Stored("Vault.bkd"), std::pair(Records, DiaryFormat::Sealed));

    ASSERT_TRUE(reopened.Backup(PathOf("copy.bkd")).Ok());
    EXPECT_EQ(Stored("copy.bkd"), std::pair(WithSpring(Records), DiaryFormat::Sealed));
    ASSERT_TRUE(WriteDiaryCopy(reopened.RecoveryFile(), Records, reopened.Lock()).Ok());
    EXPECT_EQ(Stored("Vault.rcv"), std::pair(Records, DiaryFormat::Sealed));
    std::string problem;
    EXPECT_EQ(reopened.ReadRecovery(problem), Records);

    for (const char* name : {"Vault.dry", "Vault.bkd", "copy.bkd", "Vault.rcv"})
        EXPECT_FALSE(ShowsText(name)) << name;
}

TEST_F(SealedSessionTest, TheKeyOfTheOpenedFileWritesItAgainWithItsOwnParameters)
{
    ASSERT_TRUE(SaveDiaryFile(PathOf("Old.dry"), Records, SealedLock("pw", KdfParams{2, 16})).Ok());
    ASSERT_EQ(session.Open("Old", "pw"), OpenOutcome::Opened);
    Edit();
    ASSERT_TRUE(session.SaveAtExit().Ok());
    const auto params = CheckSealedImage(ReadBytes(folder / "Old.dry"));
    ASSERT_TRUE(params.Ok());
    EXPECT_EQ(*params, (KdfParams{2, 16}));
}

TEST_F(SealedSessionTest, OpeningASealedDiaryTellsAWrongPasswordAndFallsBackOnlyForDamage)
{
    Diary("Vault.dry", Records, DiaryFormat::Sealed);
    Diary("Vault.bkd", OlderRecords, DiaryFormat::Sealed);
    EXPECT_EQ(session.Open("Vault", "PW"), OpenOutcome::WrongPassword);
    EXPECT_EQ(session.Text().Count(), 0u);

    std::string damaged = ReadBytes(folder / "Vault.dry");
    damaged[damaged.size() / 2] ^= 0x20;
    WriteBytes(folder / "Vault.dry", damaged);
    EXPECT_EQ(session.Open("Vault", "PW"), OpenOutcome::BackupWrongPassword);
    EXPECT_EQ(session.Open("Vault", "pw"), OpenOutcome::RestoredFromBackup);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);
    EXPECT_EQ(session.Format(), DiaryFormat::Sealed);
}

TEST_F(SealedSessionTest, SealingIsWrittenAtExitAndLeavesNoPlainCopyBehind)
{
    Diary("Notes.dry", Records, DiaryFormat::Plain);
    Diary("Notes.bkd", OlderRecords, DiaryFormat::Plain);
    ASSERT_EQ(session.Open("Notes", "pw"), OpenOutcome::Opened);
    EXPECT_EQ(session.Format(), DiaryFormat::Plain);
    session.SetFormat(DiaryFormat::Plain);
    EXPECT_FALSE(session.Dirty()) << "the diary has that format already";

    session.SetFormat(DiaryFormat::Sealed);
    EXPECT_EQ(session.Format(), DiaryFormat::Sealed);
    EXPECT_TRUE(session.Dirty());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(Records, DiaryFormat::Plain)) << "nothing is written before the exit";
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(Records, DiaryFormat::Sealed));
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, DiaryFormat::Sealed)) << "the previous content, sealed";
    EXPECT_FALSE(ShowsText("Notes.dry"));
    EXPECT_FALSE(ShowsText("Notes.bkd"));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2);

    session.SetFormat(DiaryFormat::Plain);
    EXPECT_TRUE(session.Dirty());
    Edit();
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(WithSpring(Records), DiaryFormat::Plain));
    EXPECT_TRUE(LoadDiary(PathOf("Notes.dry"), "pw").Ok()) << "an unsealed diary is the old format";
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, DiaryFormat::Sealed)) << "the previous file, as it was";
}

TEST_F(SealedSessionTest, APasswordChangeGivesASealedDiaryANewKey)
{
    Diary("Vault.dry", Records, DiaryFormat::Sealed);
    ASSERT_EQ(session.Open("Vault", "pw"), OpenOutcome::Opened);
    const SealSalt before = session.Lock().Key->Salt();
    ASSERT_EQ(session.ChangePassword("pw", "new", "new"), PasswordChange::Changed);
    const DiaryLock lock = session.Lock();
    EXPECT_NE(lock.Key->Salt(), before);
    EXPECT_TRUE(lock.Key->DerivedFrom("new"));
    ASSERT_TRUE(session.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry", "new"), std::pair(Records, DiaryFormat::Sealed));
    EXPECT_EQ(LoadDiaryFile(PathOf("Vault.dry"), "pw").Code(), result::Reason::WrongPassword);

    session.Password = "set directly";
    EXPECT_TRUE(session.Lock().Key->DerivedFrom("set directly")) << "the key follows the password";
}

TEST_F(SealedSessionTest, RestoreReadsEitherFormatAndTheDiaryKeepsItsOwn)
{
    Diary("Vault.dry", Records, DiaryFormat::Sealed);
    Diary("plain.bkd", OlderRecords, DiaryFormat::Plain);
    Diary("sealed.bkd", Records, DiaryFormat::Sealed);
    Diary("other.bkd", Records, DiaryFormat::Sealed, "other");
    ASSERT_EQ(session.Open("Vault", "pw"), OpenOutcome::Opened);
    EXPECT_EQ(session.Restore(PathOf("plain.bkd")), RestoreOutcome::Restored);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);
    EXPECT_EQ(session.Format(), DiaryFormat::Sealed);
    EXPECT_EQ(session.Restore(PathOf("other.bkd")), RestoreOutcome::OtherPassword);
    EXPECT_EQ(session.Text().Lines(), OlderRecords);

    session.Create("Fresh", "pw");
    EXPECT_EQ(session.Restore(PathOf("sealed.bkd")), RestoreOutcome::Restored);
    EXPECT_EQ(session.Text().Lines(), Records);
    EXPECT_EQ(session.Format(), DiaryFormat::Plain);
}
