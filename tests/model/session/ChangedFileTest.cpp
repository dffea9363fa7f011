// The open diary and a file that changed under it: merged by day at every save point, other
// passwords, both formats, conflict copies, and the read-only opening that writes nothing.
#include "SessionFixture.h"
#include "model/session/FirstActivation.h"

#include <gmock/gmock.h>

#include <optional>
#include <utility>
#include <vector>

using namespace session_test;
using base::dates::Date;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// Answers the other copy's password as scripted and records what it is told.
class ScriptedQuestions : public ChangedFileQuestions {
public:
    std::optional<std::string> OtherPassword(const std::string& file) override
    {
        Asked.push_back(file);
        return std::exchange(Password, std::nullopt);
    }
    void TellMerged(const MergeNews& news) override { Merged.push_back(news); }
    void TellNotMerged(const std::string& text) override { NotMerged.push_back(text); }

    std::optional<std::string> Password;
    std::vector<std::string> Asked;
    std::vector<MergeNews> Merged;
    std::vector<std::string> NotMerged;
};

const Date Jan15{2024, 1, 15};
const Date Mar1{2024, 3, 1};
const Date Mar2{2024, 3, 2};

std::string Body(const char* text)
{
    return std::string("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 ") + text + "\\par}";
}

// The records' dates and titles, "20240115 Winter".
std::vector<std::string> Days(const LineList& lines)
{
    std::vector<std::string> days;
    for (const auto& line : lines)
        days.push_back(line.substr(0, 8) + " " + ParseDayRecord(line).Title);
    return days;
}

class ChangedFileTest : public SessionTest {
protected:
    ChangedFileTest()
    {
        Diary("Journal.dry", Records);
        second_.SetChangedFileQuestions(&questions_);
    }

    // Another writer's version of the diary file: the records as they were opened plus one day.
    void WriteElsewhere(const LineList& lines, const std::string& password = "pw",
                        DiaryFormat format = DiaryFormat::Plain)
    {
        Diary("Journal.dry", lines, password, format);
    }

    DiarySession second_{folder_.string(), ByteOrder};
    ScriptedQuestions questions_;
};

TEST_F(ChangedFileTest, TwoSessionsOnOneDiaryBothExitAndEveryDayIsKept)
{
    ASSERT_TRUE(session_.Open("Journal", "pw").Ok());
    ASSERT_TRUE(second_.Open("Journal", "pw").Ok());
    session_.StoreDay(Mar1, Body("first window"), "First", 1);
    session_.StoreDay(Jan15, Body("cold here"), "Winter", 2);
    second_.StoreDay(Mar2, Body("second window"), "Second", 3);
    second_.StoreDay(Jan15, Body("cold there"), "Winter", 4);
    second_.DeleteDay({2024, 2, 29});

    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_FALSE(session_.TakeInChangedFile()) << "its own write is no change";
    ASSERT_TRUE(second_.SaveAtExit().Ok());

    const LineList stored = Stored("Journal.dry");
    EXPECT_THAT(Days(stored), ElementsAre("20240115 Winter", "20240301 First", "20240302 Second"));
    EXPECT_THAT(ParseDayRecord(stored[0]).Body(), HasSubstr("cold there"));
    EXPECT_THAT(ParseDayRecord(stored[0]).Body(), HasSubstr("cold here"));
    EXPECT_EQ(ParseDayRecord(stored[0]).Mood, 4) << "this side's mood";
    ASSERT_EQ(questions_.Merged.size(), 1u);
    EXPECT_THAT(questions_.Merged[0].CameIn, ElementsAre(DayDate{2024, 1, 15}, DayDate{2024, 3, 1}));
    EXPECT_THAT(questions_.Merged[0].TwoTexts, ElementsAre(DayDate{2024, 1, 15}));
    EXPECT_FALSE(second_.Dirty());
}

TEST_F(ChangedFileTest, AnUntouchedOrMerelyTouchedFileIsNoChangeAndALaterChangeMergesAgainstTheLastRead)
{
    ASSERT_TRUE(session_.Open("Journal", "pw").Ok());
    EXPECT_FALSE(session_.TakeInChangedFile());
    const std::string bytes = ReadBytes(folder_ / "Journal.dry");
    std::filesystem::remove(folder_ / "Journal.dry");
    WriteBytes(folder_ / "Journal.dry", bytes); // a sync engine putting the same bytes back
    EXPECT_FALSE(session_.TakeInChangedFile());

    session_.StoreDay(Mar1, Body("mine"), "Mine", 0);
    WriteElsewhere(WithSpring(Records));
    EXPECT_TRUE(session_.TakeInChangedFile());
    EXPECT_TRUE(session_.Dirty()) << "the file lacks this side's day";
    WriteElsewhere({Records[0], Spring}); // the other writer goes on: deletes the leap day
    EXPECT_TRUE(session_.TakeInChangedFile());
    EXPECT_THAT(Days(session_.Text().Lines()), ElementsAre("20240115 Winter", "20240301 Mine"))
        << "this side's day stays; the other's deletion is taken";
}

TEST_F(ChangedFileTest, EverySavePointTakesTheChangedFileInFirst)
{
    ASSERT_TRUE(session_.Open("Journal", "pw").Ok());
    WriteElsewhere(WithSpring(Records));
    ASSERT_TRUE(session_.SaveCopy(PathOf("Journal-backup.bkd")).Ok());
    EXPECT_EQ(Stored("Journal-backup.bkd"), WithSpring(Records)) << "the backup holds the other writer's day";

    WriteElsewhere(Records);
    ASSERT_TRUE(session_.ChangePassword("pw", "new", "new").Ok());
    EXPECT_EQ(session_.Text().Lines(), Records) << "the changed file opened with the password it was written with";
    WriteElsewhere(WithSpring(Records), "pw");
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(Stored("Journal.dry", "new"), WithSpring(Records));
}

TEST_F(ChangedFileTest, AnotherPasswordIsAskedForAndCancelKeepsBothCopies)
{
    ASSERT_TRUE(second_.Open("Journal", "pw").Ok());
    second_.StoreDay(Mar1, Body("mine"), "Mine", 0);
    WriteElsewhere(WithSpring(Records), "changed");
    questions_.Password = "changed";
    ASSERT_TRUE(second_.SaveAtExit().Ok());
    EXPECT_EQ(questions_.Asked, std::vector<std::string>{PathOf("Journal.dry")});
    EXPECT_THAT(Days(Stored("Journal.dry")), ElementsAre("20240115 Winter", "20240229 Leap", "20240301 Mine"))
        << "this side's password is the one written";

    WriteElsewhere(OlderRecords, "secret");
    const std::string otherBytes = ReadBytes(folder_ / "Journal.dry");
    second_.StoreDay(Mar2, Body("more"), "More", 0);
    ASSERT_TRUE(second_.SaveAtExit().Ok()); // no password given this time
    ASSERT_EQ(questions_.NotMerged.size(), 1u);
    EXPECT_THAT(questions_.NotMerged[0], HasSubstr("with another password"));
    EXPECT_EQ(Stored("Journal.dry").size(), 4u) << "the local content is kept";
    std::vector<std::string> asides;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        if (entry.path().filename().string().starts_with("Journal-other-"))
            asides.push_back(ReadBytes(entry.path()));
    EXPECT_EQ(asides, std::vector<std::string>{otherBytes});
}

TEST_F(ChangedFileTest, ASealedDiaryMergesAPlainCopyAndKeepsItsFormatAndTheReverse)
{
    for (const DiaryFormat mine : {DiaryFormat::Sealed, DiaryFormat::Plain}) {
        const DiaryFormat theirs = mine == DiaryFormat::Sealed ? DiaryFormat::Plain : DiaryFormat::Sealed;
        Diary("Journal.dry", Records, "pw", mine);
        session_.SealingKdf = CheapestKdf;
        ASSERT_TRUE(session_.Open("Journal", "pw").Ok());
        session_.StoreDay(Mar1, Body("mine"), "Mine", 0);
        WriteElsewhere({Records[0], Spring}, "pw", theirs);
        ASSERT_TRUE(session_.SaveAtExit().Ok());
        const auto [lines, format] = Opened("Journal.dry");
        EXPECT_THAT(Days(lines), ElementsAre("20240115 Winter", "20240301 Mine")) << static_cast<int>(mine);
        EXPECT_EQ(format, mine);
        EXPECT_THAT(ParseDayRecord(lines[1]).Body(), HasSubstr("warm")) << "Spring, written on both sides";
    }
}

TEST_F(ChangedFileTest, AConflictCopyIsMergedWithoutABaseAndRenamed)
{
    ASSERT_TRUE(session_.Open("Journal", "pw").Ok());
    const std::string copy = PathOf("Journal_conflict-20261207-091455.dry");
    Diary("Journal_conflict-20261207-091455.dry", {Records[0], Spring}, "copy");

    const auto refused = session_.MergeCopy(copy, "pw");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Code(), Reason::WrongPassword);
    EXPECT_TRUE(std::filesystem::exists(copy)) << "left alone";

    const auto merged = session_.MergeCopy(copy, "copy");
    ASSERT_TRUE(merged);
    EXPECT_THAT(merged->CameIn, ElementsAre(DayDate{2024, 3, 1}));
    EXPECT_EQ(session_.Text().Lines(), WithSpring(Records)) << "a day only the diary has stays";
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::exists(copy + ".merged"));
    FirstActivation().Complete(session_, false);
    ASSERT_TRUE(session_.SaveAtExit().Ok()) << "the window's first showing keeps what came in";
    EXPECT_EQ(Stored("Journal.dry"), WithSpring(Records));
}

TEST_F(ChangedFileTest, AReadOnlyOpeningWritesNothingAndFollowsTheWriter)
{
    ASSERT_TRUE(session_.Open("Journal", "pw").Ok());
    session_.SetReadOnly(true);
    const std::string bytes = ReadBytes(folder_ / "Journal.dry");
    session_.StoreDay(Mar1, Body("typed"), "Typed", 0);
    session_.DeleteDay(Jan15);
    EXPECT_FALSE(session_.Dirty());
    EXPECT_EQ(session_.ChangePassword("pw", "x", "x").Code(), Reason::Refused);
    session_.SetFormat(DiaryFormat::Sealed);
    EXPECT_EQ(session_.Format(), DiaryFormat::Plain);
    EXPECT_FALSE(session_.SaveCopy(PathOf("Journal.dry")));
    session_.Diary.Dirty = true;
    ASSERT_TRUE(session_.SaveAtExit().Ok());
    EXPECT_EQ(ReadBytes(folder_ / "Journal.dry"), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "no backup, no recovery";

    session_.Diary.Dirty = false;
    WriteElsewhere(WithSpring(Records));
    EXPECT_TRUE(session_.TakeInChangedFile());
    EXPECT_EQ(session_.Text().Lines(), WithSpring(Records));
    EXPECT_FALSE(session_.Dirty());

    WriteElsewhere(Records, "another"); // nothing opens it: told, not set aside
    session_.SetChangedFileQuestions(&questions_);
    EXPECT_FALSE(session_.TakeInChangedFile());
    EXPECT_EQ(questions_.NotMerged.size(), 1u);
    EXPECT_FALSE(session_.Dirty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

} // namespace
