// The open diary: opening with its fallback to the backup, the save of a new diary, copies,
// restores, password changes, and what listeners hear.
#include "SessionFixture.h"

#include <vector>

using namespace session_test;

namespace {

using DiarySessionTest = SessionTest;

TEST_F(DiarySessionTest, OpeningFallsBackToTheBackupAndTellsEveryOutcome)
{
    std::vector<std::string> told;
    const auto open = [&](const std::string& password) {
        const Status opened =
            session_.Open("Notes", password, [&](const std::string& text) { told.push_back(text); });
        if (!opened)
            told.push_back(opened.Message());
        return opened.Ok();
    };
    const std::string restored = "Original diary is corrupted and\r\nrestored from backup";
    Diary("Notes.dry", Records);
    EXPECT_TRUE(open("pw"));
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(session_.Text().Lines(), Records);
    EXPECT_EQ(session_.BackupFile(), PathOf("Notes.bkd"));

    EXPECT_FALSE(open("other"));
    EXPECT_EQ(told, std::vector<std::string>{"Password is incorrect!"});
    EXPECT_EQ(session_.Text().Count(), 0u) << "nothing of the diary stays after a refusal";

    told.clear();
    WriteBytes(folder_ / "Notes.dry", "DRY1 damaged");
    Diary("Notes.bkd", OlderRecords);
    EXPECT_TRUE(open("pw"));
    EXPECT_EQ(told, std::vector<std::string>{restored});
    EXPECT_EQ(session_.Text().Lines(), OlderRecords);
    EXPECT_EQ(session_.DiaryFile(), PathOf("Notes.dry")) << "the next save writes the diary file again";

    told.clear();
    std::filesystem::remove(folder_ / "Notes.bkd");
    EXPECT_FALSE(open("pw"));
    EXPECT_EQ(told, std::vector<std::string>{"This diary file is corrupted"});
    EXPECT_EQ(session_.Text().Count(), 0u);
}

TEST_F(DiarySessionTest, ANewDiaryIsWrittenOnlyWhenItChanged)
{
    session_.Create("Fresh", "pw");
    EXPECT_EQ(session_.BackupFile(), PathOf("Fresh.pkd"));
    EXPECT_TRUE(session_.Diary.NewDiary);
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
    session_.Diary.Dirty = true;
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Fresh.dry"), LineList{});
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Fresh.pkd"));
}

TEST_F(DiarySessionTest, BackupAndRestoreGiveBackTheSameRecordsUnderTheSamePasswordOnly)
{
    Diary("Notes.dry", Records);
    ASSERT_TRUE(session_.Open("Notes", "pw").Ok());
    session_.Text().SetSorted(true);
    ASSERT_TRUE(session_.SaveCopy(PathOf("copy.bkd")).Ok());
    session_.Text().Clear();
    EXPECT_TRUE(session_.Restore(PathOf("copy.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), Records);
    EXPECT_TRUE(session_.Dirty());

    Diary("other.bkd", OlderRecords, "other");
    EXPECT_EQ(session_.Restore(PathOf("other.bkd")).Code(), Reason::WrongPassword);
    EXPECT_EQ(session_.Text().Lines(), Records);

    EXPECT_TRUE(session_.ChangePassword(" pw\t", "other", "other").Ok());
    EXPECT_TRUE(session_.Restore(PathOf("other.bkd")).Ok());
    EXPECT_EQ(session_.Text().Lines(), OlderRecords);

    EXPECT_FALSE(session_.SaveCopy(PathOf("missing/copy.bkd")).Ok());
}

TEST_F(DiarySessionTest, PasswordChangeTrimsOnlyTheOldPassword)
{
    session_.Create("Fresh", "pw");
    EXPECT_EQ(session_.ChangePassword("wrong", "a", "a").Message(), "Password is incorrect!");
    EXPECT_EQ(session_.ChangePassword("pw", " a ", " a").Message(), "Passwords do not match!");
    EXPECT_TRUE(session_.CheckPassword(" pw\t").Ok());
    EXPECT_FALSE(session_.CheckPassword(std::nullopt).Ok()) << "a text the code page cannot hold";
    EXPECT_FALSE(session_.Dirty());
    EXPECT_TRUE(session_.ChangePassword("  pw ", " a ", " a ").Ok());
    EXPECT_EQ(session_.Password(), " a ");
    EXPECT_TRUE(session_.Dirty());
    EXPECT_TRUE(session_.ChangePassword(" a", "", "").Ok()) << "an empty password is allowed";
}

// Records what the session tells.
class Changes : public DiaryListener {
public:
    void DiaryChanged(DiaryChange change) override { Heard.push_back(change); }
    std::vector<DiaryChange> Heard;
};

TEST_F(DiarySessionTest, ListenersHearEveryChangeOfTheDiaryUntilTheyLeave)
{
    Changes changes;
    session_.AddListener(changes);
    Diary("Notes.dry", Records);
    ASSERT_TRUE(session_.Open("Notes", "pw").Ok());
    session_.StoreDay({2024, 3, 1}, "{\\rtf1 warm}", "Spring", 2);
    session_.DeleteDay({2024, 1, 15});
    ASSERT_TRUE(session_.ChangePassword("pw", "new", "new").Ok());
    EXPECT_FALSE(session_.ChangePassword("wrong", "x", "x").Ok());
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    ASSERT_TRUE(session_.Restore(PathOf("Notes.dry")).Ok());
    EXPECT_FALSE(session_.Restore(PathOf("missing.bkd")).Ok());
    EXPECT_EQ(changes.Heard, (std::vector<DiaryChange>{DiaryChange::Replaced, DiaryChange::DayStored,
                                                       DiaryChange::DayDeleted, DiaryChange::Secured,
                                                       DiaryChange::Saved, DiaryChange::Replaced}))
        << "a refused change tells nothing";
    EXPECT_EQ(session_.Text().Count(), 2u);

    session_.RemoveListener(changes);
    session_.Create("Fresh", "pw");
    EXPECT_EQ(changes.Heard.size(), 6u);
}

TEST(DiaryNames, ExtensionsAndFoldersAreBuiltAsTheFilesExpect)
{
    EXPECT_EQ(ReplaceExtension("/d/My Diary.dry", "bkd"), "/d/My Diary.bkd");
    EXPECT_EQ(ReplaceExtension("abc", "rcv"), "rcv");
    EXPECT_EQ(WithTrailingBackslash("/d"), "/d/");
    EXPECT_EQ(TrimControls(" \t a b\r\n"), "a b");
}

} // namespace
