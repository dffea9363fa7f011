// The program's end without widgets: the questions asked and what comes of each answer, with
// the diary's folder taken away and brought back as a user's disk would.
#include "model/session/ExitSave.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

using testing_support::ReadBytes;
using testing_support::TempDir;

namespace {

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

const LineList Records{"202401150Winter@@{\\rtf1 cold}"};

// Writes nothing by itself: the schedule's timer and writer are not needed here.
class IdleWorker : public RecoveryWorker {
public:
    void StartTimer(int) override {}
    void StopTimer() override {}
    void StartWrite(std::string, LineList, DiaryLock) override {}
    result::Status WaitForWrite() override { return {}; }
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

class ExitSaveTest : public ::testing::Test {
protected:
    ExitSaveTest()
    {
        std::filesystem::create_directory(folder);
        EXPECT_EQ(SaveDiary(folder / "Notes.dry", Records, "pw"), drDone);
        EXPECT_TRUE(session.Open("Notes", "pw").Ok());
        before = ReadBytes(folder / "Notes.dry");
    }

    void Write() { session.StoreDay({2024, 3, 1}, "{\\rtf1 warm}", "Spring", 0); }
    void TakeFolderAway() { std::filesystem::rename(folder, away); }
    void BringFolderBack() { std::filesystem::rename(away, folder); }
    LineList Stored(const std::filesystem::path& file)
    {
        LineList lines;
        EXPECT_EQ(LoadDiary(file, lines, "pw"), drDone) << file;
        return lines;
    }
    // A recovery file as this run's schedule writes it.
    void WriteRecovery()
    {
        ASSERT_TRUE(WriteDiaryCopy(session.RecoveryFile(), session.Text().Lines(), session.Lock()).Ok());
        // The schedule removes only files it wrote: let it write one.
        schedule.WriteFinished(result::Status());
    }

    TempDir place;
    std::filesystem::path folder = place / "diaries";
    std::filesystem::path away = place / "moved";
    DiarySession session{folder.string(), ByteOrder};
    IdleWorker worker;
    RecoverySchedule schedule{session, worker};
    ExitSave exit{session, schedule};
    ScriptedQuestions questions;
    std::string before;
};

} // namespace

TEST_F(ExitSaveTest, ADiaryWithoutChangesEndsWithoutWritingOrAsking)
{
    EXPECT_TRUE(exit.MayClose(questions));
    EXPECT_EQ(exit.Finish(questions), ExitSaveEnd::Saved);
    EXPECT_TRUE(exit.Finished());
    EXPECT_TRUE(questions.Asked.empty());
    EXPECT_EQ(ReadBytes(folder / "Notes.dry"), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "Notes.bkd"));
}

TEST_F(ExitSaveTest, TryingAgainOnceTheFolderIsBackSavesAndRemovesTheRecoveryFile)
{
    Write();
    WriteRecovery();
    TakeFolderAway();
    questions.Choices = {AfterFailedSave::TryAgain, AfterFailedSave::TryAgain};
    int failures = 0;
    questions.BeforeAnswer = [&] {
        if (++failures == 2)
            BringFolderBack();
    };
    EXPECT_EQ(exit.Finish(questions), ExitSaveEnd::Saved);
    ASSERT_EQ(questions.Asked.size(), 2u);
    EXPECT_NE(questions.Asked[0].find("Notes.dry"), std::string::npos) << "the reason names the file";
    EXPECT_EQ(Stored(folder / "Notes.dry").size(), 2u);
    EXPECT_EQ(Stored(folder / "Notes.bkd"), Records);
    EXPECT_FALSE(std::filesystem::exists(session.RecoveryFile()));
    EXPECT_FALSE(session.Dirty());
}

TEST_F(ExitSaveTest, SavingElsewhereKeepsTheRunsWritingInTheCopyAndTheRecoveryFile)
{
    Write();
    WriteRecovery();
    TakeFolderAway();
    const std::string copy = (place / "copy.dry").string();
    questions.Choices = {AfterFailedSave::SaveElsewhere};
    questions.Files = {copy};
    EXPECT_EQ(exit.Finish(questions), ExitSaveEnd::Copied);
    EXPECT_EQ(questions.Asked[1], "copy to? " + (folder / "Notes.dry").string());
    EXPECT_EQ(Stored(copy).size(), 2u);
    BringFolderBack();
    EXPECT_EQ(ReadBytes(folder / "Notes.dry"), before);
    EXPECT_TRUE(std::filesystem::exists(session.RecoveryFile())) << "the next start still offers it";
}

TEST_F(ExitSaveTest, OnlyTheExplicitChoiceExitsWithoutSaving)
{
    Write();
    TakeFolderAway();
    questions.Choices = {AfterFailedSave::SaveElsewhere, AfterFailedSave::SaveElsewhere, AfterFailedSave::TryAgain,
                         AfterFailedSave::ExitWithoutSaving};
    questions.Files = {std::nullopt, (place / "no-such-folder" / "copy.dry").string()};
    EXPECT_EQ(exit.Finish(questions), ExitSaveEnd::LeftUnsaved);
    ASSERT_EQ(questions.Asked.size(), 7u);
    EXPECT_EQ(questions.Asked[1].substr(0, 9), "copy to? ") << "cancelled: the diary file is tried again";
    EXPECT_EQ(questions.Asked[2].substr(0, 8), "failed: ");
    EXPECT_EQ(questions.Asked[4].substr(0, 13), "copy failed: ") << questions.Asked[4];
    EXPECT_NE(questions.Asked[4].find("copy.dry"), std::string::npos);
    EXPECT_EQ(questions.Asked[5].substr(0, 8), "failed: ") << "a failed copy asks again";
    EXPECT_TRUE(session.Dirty()) << "a failure never reads as saved";
    EXPECT_FALSE(std::filesystem::exists(place / "no-such-folder"));
    BringFolderBack();
    EXPECT_EQ(ReadBytes(folder / "Notes.dry"), before);
}

TEST_F(ExitSaveTest, TheCloseBoxAsksBeforeDroppingTheRunsChanges)
{
    Write();
    WriteRecovery();
    EXPECT_FALSE(exit.MayClose(questions));
    EXPECT_EQ(questions.Asked, std::vector<std::string>{"drop changes?"});
    EXPECT_TRUE(session.Dirty());
    EXPECT_TRUE(std::filesystem::exists(session.RecoveryFile()));

    questions.Drop = true;
    EXPECT_TRUE(exit.MayClose(questions));
    EXPECT_FALSE(session.Dirty());
    EXPECT_FALSE(std::filesystem::exists(session.RecoveryFile()));
    EXPECT_EQ(exit.Finish(questions), ExitSaveEnd::Saved);
    EXPECT_EQ(ReadBytes(folder / "Notes.dry"), before) << "nothing of the run is written";
}

TEST_F(ExitSaveTest, TheEndOfTheDesktopSessionSavesWithoutAskingOrKeepsARecoveryFile)
{
    EXPECT_FALSE(exit.SavesAtSessionEnd(false)) << "no diary shown yet";
    EXPECT_TRUE(exit.SavesAtSessionEnd(true));
    Write();
    std::filesystem::create_directories(folder / "Notes.dry.new" / "blocked"); // the new image cannot be written
    exit.SaveAtSessionEnd();
    EXPECT_TRUE(session.Dirty());
    EXPECT_EQ(ReadBytes(folder / "Notes.dry"), before);
    EXPECT_EQ(Stored(session.RecoveryFile()).size(), 2u);

    std::filesystem::remove_all(folder / "Notes.dry.new");
    exit.SaveAtSessionEnd();
    EXPECT_FALSE(session.Dirty());
    EXPECT_EQ(Stored(folder / "Notes.dry").size(), 2u);
    EXPECT_TRUE(questions.Asked.empty());
    EXPECT_EQ(exit.Finish(questions), ExitSaveEnd::Saved);
    EXPECT_FALSE(exit.SavesAtSessionEnd(true)) << "the program has ended";
}
