// A sealed diary through the session: it stays sealed to the save at exit, so do its backups and
// recovery file, and sealing, unsealing and password changes are written at exit.
#include "SessionFixture.h"

using namespace session_test;

using testing_support::CheckSealedImageInto;
using testing_support::SampleLines;
using testing_support::SamplePassword;
using testing_support::VectorPath;

namespace {

class SealedSessionTest : public SessionTest {
protected:
    SealedSessionTest() { session_.SealingKdf = CheapestKdf; }

    bool ShowsText(const std::string& name) const
    {
        const std::string bytes = ReadBytes(folder_ / name);
        for (const char* word : {"Winter", "Spring", "Eve"})
            if (bytes.find(word) != std::string::npos)
                return true;
        return false;
    }
};

} // namespace

TEST_F(SealedSessionTest, ASealedDiaryStaysSealedAndSoDoItsBackupsAndRecoveryFile)
{
    session_.Create("Vault", "pw", DiaryFormat::Sealed);
    session_.Text().SetLines(Records);
    session_.Diary.Dirty = true;
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Opened("Vault.dry"), std::pair(Records, DiaryFormat::Sealed));

    DiarySession reopened(folder_.string(), ByteOrder);
    ASSERT_TRUE(reopened.Open("Vault", "pw").Ok());
    EXPECT_EQ(reopened.Format(), DiaryFormat::Sealed);
    EXPECT_EQ(reopened.Text().Lines(), Records);
    reopened.Text().Add(Spring);
    reopened.Diary.Dirty = true;
    ASSERT_TRUE(reopened.SaveAtExit().Ok());
    EXPECT_EQ(Opened("Vault.dry"), std::pair(WithSpring(Records), DiaryFormat::Sealed));
    EXPECT_EQ(Opened("Vault.bkd"), std::pair(Records, DiaryFormat::Sealed));

    ASSERT_TRUE(WriteDiaryCopy(reopened.RecoveryFile(), Records, reopened.Lock()).Ok());
    const std::string recoveryName = std::filesystem::path(reopened.RecoveryFile()).filename().string();
    EXPECT_EQ(Opened(recoveryName), std::pair(Records, DiaryFormat::Sealed));
    const auto recovered = reopened.ReadRecovery();
    ASSERT_TRUE(recovered.Ok());
    EXPECT_EQ(*recovered, Records);

    for (const std::string& name : {std::string("Vault.dry"), std::string("Vault.bkd"), recoveryName})
        EXPECT_FALSE(ShowsText(name)) << name;
}

TEST_F(SealedSessionTest, TheKeyOfTheOpenedFileWritesItAgainWithItsOwnParameters)
{
    ASSERT_TRUE(SaveDiaryFile(PathOf("Old.dry"), Records, SealedLock("pw", KdfParams{2, 16})).Ok());
    ASSERT_TRUE(session_.Open("Old", "pw").Ok());
    Edit();
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    KdfParams params;
    ASSERT_TRUE(CheckSealedImageInto(ReadBytes(folder_ / "Old.dry"), params));
    EXPECT_EQ(params, (KdfParams{2, 16}));
}

TEST_F(SealedSessionTest, SealingIsWrittenAtExitAndLeavesNoPlainCopyBehind)
{
    Diary("Notes.dry", Records);
    Diary("Notes.bkd", OlderRecords);
    ASSERT_TRUE(session_.Open("Notes", "pw").Ok());
    session_.SetFormat(DiaryFormat::Plain);
    EXPECT_FALSE(session_.Dirty()) << "the diary has that format already";
    session_.SetFormat(DiaryFormat::Sealed);
    EXPECT_TRUE(session_.Dirty());
    EXPECT_EQ(Opened("Notes.dry"), std::pair(Records, DiaryFormat::Plain))
        << "nothing is written before the exit";
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Opened("Notes.dry"), std::pair(Records, DiaryFormat::Sealed));
    EXPECT_EQ(Opened("Notes.bkd"), std::pair(Records, DiaryFormat::Sealed)) << "the previous content, sealed";
    EXPECT_FALSE(ShowsText("Notes.dry") || ShowsText("Notes.bkd"));
    namespace fs = std::filesystem;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2) << "no plain copy";

    session_.SetFormat(DiaryFormat::Plain);
    EXPECT_TRUE(session_.Dirty());
    Edit();
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Opened("Notes.dry"), std::pair(WithSpring(Records), DiaryFormat::Plain));
    EXPECT_TRUE(LoadDiary(PathOf("Notes.dry"), "pw").Ok()) << "an unsealed diary is the old format";
    EXPECT_EQ(Opened("Notes.bkd"), std::pair(Records, DiaryFormat::Sealed)) << "the previous file, as it was";
}

TEST_F(SealedSessionTest, APasswordChangeGivesASealedDiaryANewKey)
{
    Diary("Vault.dry", Records, "pw", DiaryFormat::Sealed);
    ASSERT_TRUE(session_.Open("Vault", "pw").Ok());
    const SealSalt before = session_.Lock().Key->Salt();
    ASSERT_TRUE(session_.ChangePassword("pw", "new", "new").Ok());
    const DiaryLock lock = session_.Lock();
    EXPECT_NE(lock.Key->Salt(), before);
    EXPECT_TRUE(lock.Key->DerivedFrom("new"));
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Opened("Vault.dry", "new"), std::pair(Records, DiaryFormat::Sealed));
    EXPECT_EQ(LoadDiaryFile(PathOf("Vault.dry"), "pw").Code(), Reason::WrongPassword);
}

TEST_F(SealedSessionTest, RestoreReadsEitherFormatAndTheDiaryKeepsItsOwn)
{
    Diary("Vault.dry", Records, "pw", DiaryFormat::Sealed);
    Diary("plain.bkd", OlderRecords);
    Diary("sealed.bkd", Records, "pw", DiaryFormat::Sealed);
    ASSERT_TRUE(session_.Open("Vault", "pw").Ok());
    EXPECT_TRUE(session_.Restore(PathOf("plain.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), OlderRecords);
    EXPECT_EQ(session_.Format(), DiaryFormat::Sealed);

    session_.Create("Fresh", "pw");
    EXPECT_TRUE(session_.Restore(PathOf("sealed.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), Records);
    EXPECT_EQ(session_.Format(), DiaryFormat::Plain);
}

// Diaries sealed before the zstd payload open, restore and recover as ever; all that is written
// from them is the current version.
TEST_F(SealedSessionTest, AVersionOneDiaryIsReadEverywhereAndWrittenAsVersionTwo)
{
    const std::string versionOne = ReadBytes(VectorPath("sealed/sample-v1.dry"));
    WriteBytes(folder_ / "Old.dry", versionOne);
    WriteBytes(folder_ / "old.bkd", versionOne);
    const auto versionOf = [&](const std::string& name) {
        return static_cast<int>(ReadBytes(folder_ / name).at(4));
    };

    ASSERT_TRUE(session_.Open("Old", SamplePassword).Ok());
    EXPECT_EQ(session_.Text().Lines(), SampleLines());
    Edit();
    ASSERT_TRUE(session_.Restore(PathOf("old.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), SampleLines());
    Edit();
    ASSERT_TRUE(session_.SaveCopy(PathOf("copy.bkd")).Ok());
    ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), session_.Text().Lines(), session_.Lock()).Ok());
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    const std::string recovery = std::filesystem::path(session_.RecoveryFile()).filename().string();
    for (const std::string& name : {std::string("Old.dry"), std::string("copy.bkd"), recovery}) {
        EXPECT_EQ(versionOf(name), 2) << name;
        EXPECT_EQ(Opened(name, SamplePassword), std::pair(WithSpring(SampleLines()), DiaryFormat::Sealed)) << name;
    }

    session_.SetFormat(DiaryFormat::Plain);
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Opened("Old.dry", SamplePassword), std::pair(WithSpring(SampleLines()), DiaryFormat::Plain));
}
