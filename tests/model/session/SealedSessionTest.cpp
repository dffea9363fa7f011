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
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    void SetUp() override
    {
        std::filesystem::create_directory(folder_);
        session_.SealingKdf = CheapestKdf;
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
        const std::string bytes = ReadBytes(folder_ / name);
        return bytes.find("Winter") != std::string::npos || bytes.find("Spring") != std::string::npos ||
               bytes.find("Eve") != std::string::npos;
    }

    void Edit()
    {
        session_.Text().Add(Spring);
        session_.Diary.Dirty = true;
    }

    TempDir place_;
    std::filesystem::path folder_ = place_ / "diaries";
    DiarySession session_{folder_.string(), ByteOrder};
};

LineList WithSpring(LineList lines)
{
    lines.push_back(Spring);
    return lines;
}

} // namespace

TEST_F(SealedSessionTest, ASealedDiaryStaysSealedAndSoDoItsBackupsAndRecoveryFile)
{
    session_.Create("Vault", "pw", dfSealed);
    EXPECT_EQ(session_.Format(), dfSealed);
    session_.Text().SetLines(Records);
    session_.Diary.Dirty = true;
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(Records, dfSealed));

    DiarySession reopened(folder_.string(), ByteOrder);
    ASSERT_TRUE(reopened.Open("Vault", "pw").Ok());
    EXPECT_EQ(reopened.Format(), dfSealed);
    EXPECT_EQ(reopened.Text().Lines(), Records);
    reopened.Text().Add(Spring);
    reopened.Diary.Dirty = true;
    ASSERT_TRUE(reopened.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry"), std::pair(WithSpring(Records), dfSealed));
    EXPECT_EQ(Stored("Vault.bkd"), std::pair(Records, dfSealed));

    ASSERT_TRUE(reopened.SaveCopy(PathOf("copy.bkd")).Ok());
    EXPECT_EQ(Stored("copy.bkd"), std::pair(WithSpring(Records), dfSealed));
    ASSERT_TRUE(WriteDiaryCopy(reopened.RecoveryFile(), Records, reopened.Lock()).Ok());
    EXPECT_EQ(Stored("Vault.rcv"), std::pair(Records, dfSealed));
    const auto recovered = reopened.ReadRecovery();
    ASSERT_TRUE(recovered.Ok());
    EXPECT_EQ(*recovered, Records);

    for (const char* name : {"Vault.dry", "Vault.bkd", "copy.bkd", "Vault.rcv"})
        EXPECT_FALSE(ShowsText(name)) << name;
}

TEST_F(SealedSessionTest, TheKeyOfTheOpenedFileWritesItAgainWithItsOwnParameters)
{
    ASSERT_EQ(SaveDiaryFile(PathOf("Old.dry"), Records, SealedLock("pw", KdfParams{2, 16})), drDone);
    ASSERT_TRUE(session_.Open("Old", "pw").Ok());
    Edit();
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    KdfParams params;
    ASSERT_EQ(CheckSealedImage(ReadBytes(folder_ / "Old.dry"), params), drDone);
    EXPECT_EQ(params, (KdfParams{2, 16}));
}

TEST_F(SealedSessionTest, OpeningASealedDiaryTellsAWrongPasswordAndFallsBackOnlyForDamage)
{
    Diary("Vault.dry", Records, dfSealed);
    Diary("Vault.bkd", OlderRecords, dfSealed);
    std::vector<std::string> notices;
    const auto note = [&](const std::string& text) { notices.push_back(text); };
    EXPECT_EQ(session_.Open("Vault", "PW", note).Code(), result::Reason::WrongPassword);
    EXPECT_EQ(session_.Text().Count(), 0u);
    EXPECT_TRUE(notices.empty()) << "a sound file is never passed over for its backup";

    std::string damaged = ReadBytes(folder_ / "Vault.dry");
    damaged[damaged.size() / 2] ^= 0x20;
    WriteBytes(folder_ / "Vault.dry", damaged);
    EXPECT_EQ(session_.Open("Vault", "PW", note).Code(), result::Reason::WrongPassword);
    EXPECT_EQ(notices.size(), 1u) << "the backup was found and then refused the password";
    EXPECT_TRUE(session_.Open("Vault", "pw", note).Ok());
    EXPECT_EQ(notices.size(), 2u);
    EXPECT_EQ(session_.Text().Lines(), OlderRecords);
    EXPECT_EQ(session_.Format(), dfSealed);
}

TEST_F(SealedSessionTest, SealingIsWrittenAtExitAndLeavesNoPlainCopyBehind)
{
    Diary("Notes.dry", Records, dfPlain);
    Diary("Notes.bkd", OlderRecords, dfPlain);
    ASSERT_TRUE(session_.Open("Notes", "pw").Ok());
    EXPECT_EQ(session_.Format(), dfPlain);
    session_.SetFormat(dfPlain);
    EXPECT_FALSE(session_.Dirty()) << "the diary has that format already";

    session_.SetFormat(dfSealed);
    EXPECT_EQ(session_.Format(), dfSealed);
    EXPECT_TRUE(session_.Dirty());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(Records, dfPlain)) << "nothing is written before the exit";
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(Records, dfSealed));
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, dfSealed)) << "the previous content, sealed";
    EXPECT_FALSE(ShowsText("Notes.dry"));
    EXPECT_FALSE(ShowsText("Notes.bkd"));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 2);

    session_.SetFormat(dfPlain);
    EXPECT_TRUE(session_.Dirty());
    Edit();
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Notes.dry"), std::pair(WithSpring(Records), dfPlain));
    LineList lines;
    EXPECT_EQ(LoadDiary(PathOf("Notes.dry"), lines, "pw"), drDone) << "an unsealed diary is the old format";
    EXPECT_EQ(Stored("Notes.bkd"), std::pair(Records, dfSealed)) << "the previous file, as it was";
}

TEST_F(SealedSessionTest, APasswordChangeGivesASealedDiaryANewKey)
{
    Diary("Vault.dry", Records, dfSealed);
    ASSERT_TRUE(session_.Open("Vault", "pw").Ok());
    const SealSalt before = session_.Lock().Key->Salt();
    ASSERT_TRUE(session_.ChangePassword("pw", "new", "new").Ok());
    const DiaryLock lock = session_.Lock();
    EXPECT_NE(lock.Key->Salt(), before);
    EXPECT_TRUE(lock.Key->DerivedFrom("new"));
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Vault.dry", "new"), std::pair(Records, dfSealed));
    LineList lines;
    DiaryLock found;
    EXPECT_EQ(LoadDiaryFile(PathOf("Vault.dry"), lines, "pw", found), drWrongPassword);
}

TEST_F(SealedSessionTest, RestoreReadsEitherFormatAndTheDiaryKeepsItsOwn)
{
    Diary("Vault.dry", Records, dfSealed);
    Diary("plain.bkd", OlderRecords, dfPlain);
    Diary("sealed.bkd", Records, dfSealed);
    Diary("other.bkd", Records, dfSealed, "other");
    ASSERT_TRUE(session_.Open("Vault", "pw").Ok());
    EXPECT_TRUE(session_.Restore(PathOf("plain.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), OlderRecords);
    EXPECT_EQ(session_.Format(), dfSealed);
    EXPECT_EQ(session_.Restore(PathOf("other.bkd")).Code(), result::Reason::WrongPassword);
    EXPECT_EQ(session_.Text().Lines(), OlderRecords);

    session_.Create("Fresh", "pw");
    EXPECT_TRUE(session_.Restore(PathOf("sealed.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), Records);
    EXPECT_EQ(session_.Format(), dfPlain);
}
