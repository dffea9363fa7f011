// The program's end without widgets: the questions asked and what comes of each answer, with
// the diary's folder taken away and brought back as a user's disk would.
#include "model/session/ExitSave.h"

#include "SessionFixture.h"

#include <deque>

using namespace session_test;

namespace {

// The records after Write(): the stored day's body ends in a line break.
const LineList Written{Records[0], Records[1], Spring + "@@"};

// Writes nothing by itself: the schedule's timer and writer are not needed here.
class IdleWorker : public RecoveryWorker {
public:
    void StartTimer(int) override {}
    void StopTimer() override {}
    void StartWrite(std::string, LineList, DiaryLock) override {}
    Status WaitForWrite() override { return {}; }
};

// Answers as scripted and keeps a log of what it was asked.
class ScriptedQuestions : public ExitQuestions {
public:
    bool DropChanges() override
    {
        Asked.push_back("drop changes?");
        return Drop;
    }
    AfterFailedSave AskAfterFailedSave(const std::string& reason) override
    {
        Asked.push_back("failed: " + reason);
        if (BeforeAnswer)
            BeforeAnswer();
        EXPECT_FALSE(Choices.empty()) << "asked once more than scripted";
        if (Choices.empty())
            return AfterFailedSave::ExitWithoutSaving;
        const AfterFailedSave choice = Choices.front();
        Choices.pop_front();
        return choice;
    }
    std::optional<std::string> AskCopyFile(const std::string& suggested) override
    {
        Asked.push_back("copy to? " + suggested);
        const auto file = Files.front();
        Files.pop_front();
        return file;
    }
    void TellCopyFailed(const std::string& reason) override { Asked.push_back("copy failed: " + reason); }

    bool Drop = false;
    std::deque<AfterFailedSave> Choices;
    std::deque<std::optional<std::string>> Files;
    std::function<void()> BeforeAnswer;
    std::vector<std::string> Asked;
};

class ExitSaveTest : public SessionTest {
protected:
    ExitSaveTest()
    {
        Diary("Notes.dry", Records);
        EXPECT_TRUE(session_.Open("Notes", "pw").Ok());
        before_ = ReadBytes(folder_ / "Notes.dry");
    }

    void Write() { session_.StoreDay({2024, 3, 1}, "{\\rtf1 warm}", "Spring", 0); }
    void TakeFolderAway() { std::filesystem::rename(folder_, away_); }
    void BringFolderBack() { std::filesystem::rename(away_, folder_); }
    // A recovery file as this run's schedule writes it (the schedule removes only files it wrote).
    void WriteRecovery()
    {
        ASSERT_TRUE(WriteDiaryCopy(session_.RecoveryFile(), session_.Text().Lines(), session_.Lock()).Ok());
        schedule_.WriteFinished(Status());
    }

    std::filesystem::path away_ = place_ / "moved";
    IdleWorker worker_;
    RecoverySchedule schedule_{session_, worker_};
    ExitSave exit_{session_, schedule_};
    ScriptedQuestions questions_;
    std::string before_;
};

} // namespace

TEST_F(ExitSaveTest, ADiaryWithoutChangesEndsWithoutWritingOrAsking)
{
    EXPECT_TRUE(exit_.MayClose(questions_));
    EXPECT_EQ(exit_.Finish(questions_), ExitSaveEnd::Saved);
    EXPECT_TRUE(exit_.Finished());
    EXPECT_TRUE(questions_.Asked.empty());
    EXPECT_EQ(ReadBytes(folder_ / "Notes.dry"), before_);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Notes.bkd"));
}

TEST_F(ExitSaveTest, TryingAgainOnceTheFolderIsBackSavesAndRemovesTheRecoveryFile)
{
    Write();
    WriteRecovery();
    TakeFolderAway();
    questions_.Choices = {AfterFailedSave::TryAgain, AfterFailedSave::TryAgain};
    int failures = 0;
    questions_.BeforeAnswer = [&] {
        if (++failures == 2)
            BringFolderBack();
    };
    EXPECT_EQ(exit_.Finish(questions_), ExitSaveEnd::Saved);
    ASSERT_EQ(questions_.Asked.size(), 2u);
    EXPECT_NE(questions_.Asked[0].find("Notes.dry"), std::string::npos) << "the reason names the file";
    EXPECT_EQ(Stored("Notes.dry"), Written);
    EXPECT_EQ(Stored("Notes.bkd"), Records);
    EXPECT_FALSE(std::filesystem::exists(session_.RecoveryFile()));
    EXPECT_FALSE(session_.Dirty());
}

TEST_F(ExitSaveTest, SavingElsewhereKeepsTheRunsWritingInTheCopyAndTheRecoveryFile)
{
    Write();
    WriteRecovery();
    TakeFolderAway();
    const std::string copy = (place_ / "copy.dry").string();
    questions_.Choices = {AfterFailedSave::SaveElsewhere};
    questions_.Files = {copy};
    ASSERT_EQ(exit_.Finish(questions_), ExitSaveEnd::Copied);
    ASSERT_EQ(questions_.Asked.size(), 2u);
    EXPECT_EQ(questions_.Asked[1], "copy to? " + (folder_ / "Notes.dry").string());
    EXPECT_EQ(Stored(copy), Written);
    BringFolderBack();
    EXPECT_EQ(ReadBytes(folder_ / "Notes.dry"), before_);
    EXPECT_TRUE(std::filesystem::exists(session_.RecoveryFile())) << "the next start still offers it";
}

TEST_F(ExitSaveTest, OnlyTheExplicitChoiceExitsWithoutSaving)
{
    Write();
    TakeFolderAway();
    questions_.Choices = {AfterFailedSave::SaveElsewhere, AfterFailedSave::SaveElsewhere,
                          AfterFailedSave::TryAgain, AfterFailedSave::ExitWithoutSaving};
    questions_.Files = {std::nullopt, (place_ / "no-such-folder" / "copy.dry").string()};
    ASSERT_EQ(exit_.Finish(questions_), ExitSaveEnd::LeftUnsaved);
    ASSERT_EQ(questions_.Asked.size(), 7u);
    EXPECT_EQ(questions_.Asked[1].substr(0, 9), "copy to? ") << "cancelled: the diary file is tried again";
    EXPECT_EQ(questions_.Asked[2].substr(0, 8), "failed: ");
    EXPECT_EQ(questions_.Asked[4].substr(0, 13), "copy failed: ") << questions_.Asked[4];
    EXPECT_NE(questions_.Asked[4].find("copy.dry"), std::string::npos);
    EXPECT_EQ(questions_.Asked[5].substr(0, 8), "failed: ") << "a failed copy asks again";
    EXPECT_TRUE(session_.Dirty()) << "a failure never reads as saved";
    EXPECT_FALSE(std::filesystem::exists(place_ / "no-such-folder"));
    BringFolderBack();
    EXPECT_EQ(ReadBytes(folder_ / "Notes.dry"), before_);
}

TEST_F(ExitSaveTest, TheCloseBoxAsksBeforeDroppingTheRunsChanges)
{
    Write();
    WriteRecovery();
    EXPECT_FALSE(exit_.MayClose(questions_));
    EXPECT_EQ(questions_.Asked, std::vector<std::string>{"drop changes?"});
    EXPECT_TRUE(std::filesystem::exists(session_.RecoveryFile()));

    questions_.Drop = true;
    EXPECT_TRUE(exit_.MayClose(questions_));
    EXPECT_FALSE(session_.Dirty());
    EXPECT_FALSE(std::filesystem::exists(session_.RecoveryFile()));
    EXPECT_EQ(exit_.Finish(questions_), ExitSaveEnd::Saved);
    EXPECT_EQ(ReadBytes(folder_ / "Notes.dry"), before_) << "nothing of the run is written";
}

TEST_F(ExitSaveTest, TheEndOfTheDesktopSessionSavesWithoutAskingOrKeepsARecoveryFile)
{
    EXPECT_FALSE(exit_.SavesAtSessionEnd(false)) << "no diary shown yet";
    EXPECT_TRUE(exit_.SavesAtSessionEnd(true));
    Write();
    std::filesystem::create_directories(folder_ / "Notes.dry.new" /
                                        "blocked"); // the new image cannot be written
    exit_.SaveAtSessionEnd();
    EXPECT_TRUE(session_.Dirty());
    EXPECT_EQ(ReadBytes(folder_ / "Notes.dry"), before_);
    EXPECT_EQ(Stored(session_.RecoveryFile()), Written);

    std::filesystem::remove_all(folder_ / "Notes.dry.new");
    exit_.SaveAtSessionEnd();
    EXPECT_FALSE(session_.Dirty());
    EXPECT_EQ(Stored("Notes.dry"), Written);
    EXPECT_TRUE(questions_.Asked.empty());
    EXPECT_EQ(exit_.Finish(questions_), ExitSaveEnd::Saved);
    EXPECT_FALSE(exit_.SavesAtSessionEnd(true)) << "the program has ended";
}
