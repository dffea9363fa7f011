// One diary open in two main windows of one process, as two program runs on one machine or on
// two machines sharing a synced folder would have it: nothing written in either is lost.
#include "JourneyTest.h"

#include "platform/files/WriterLock.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/RichTextEdit.h"
#include "widgets/editor/TitleEdit.h"

#include <QComboBox>
#include <QLineEdit>

using namespace base::text;
using namespace formats::diary;
using namespace model::session;
using namespace widgets::calendar;
using namespace widgets::editor;
using namespace windows::main;
using namespace windows::selection;

using namespace testing_support;

namespace {

const LineList Written{"202403100Sunday@@{\\rtf1 rest}", "202403123Tuesday@@{\\rtf1 work}"};

class TwoWindowsJourneyTest : public journeys::JourneyTest {
protected:
    TwoWindowsJourneyTest() { Diary("Journal.dry", Written, "pw"); }

    // The first window, opened through the selection window as the program starts.
    void OpenFirst()
    {
        StartSelection();
        ChooseInSelection(*entry_);
        entry_.reset();
        Show(*main_);
    }

    static void ChooseInSelection(OpenDiaryDialog& entry)
    {
        Child<QLineEdit>(entry, "passwordEdit").setText(QStringLiteral("pw"));
        auto& list = Child<QComboBox>(entry, "diaryList");
        list.setCurrentIndex(list.findText(QStringLiteral("Journal")));
        emit list.activated(list.currentIndex());
        ClickChild(entry, "nextButton");
    }

    static void Show(MainWindow& window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_TRUE(window.ShowsDiary());
    }

    static void ClickDay(MainWindow& window, int day)
    {
        window.activateWindow(); // a person clicks into the window first
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto& calendar = Child<MainCalendar>(window, "calendar");
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, DayCellCentre(calendar, day));
    }

    static void TypeTitle(MainWindow& window, const QString& text)
    {
        auto& title = Child<TitleEdit>(window, "titleEdit");
        QTest::mouseClick(&title, Qt::LeftButton);
        QTest::keyClicks(&title, text);
    }

    static void TypeBody(MainWindow& window, const QString& text)
    {
        auto& body = Child<RichTextEdit>(window, "bodyEdit");
        QTest::mouseClick(body.viewport(), Qt::LeftButton);
        QTest::keyClicks(&body, text);
    }

    static void Exit(MainWindow& window)
    {
        ClickChild(window, "exitButton");
        EXPECT_FALSE(window.isVisible());
    }

    DiarySession second_{services_->ProgramFolder().string(), platform::locale::CompareText};
};

TEST_F(TwoWindowsJourneyTest, BothWindowsExitAndEveryDayIsInTheFileWithTheSharedDayHoldingBothTexts)
{
    OpenFirst();
    ASSERT_TRUE(second_.Open("Journal", "pw").Ok()); // as a run that was told to open anyway
    MainWindow secondMain(*services_, second_);
    Show(secondMain);

    ClickDay(*main_, 20);
    TypeTitle(*main_, QStringLiteral("From the first"));
    ClickDay(*main_, 12);
    TypeBody(*main_, QStringLiteral("first "));
    ClickDay(secondMain, 21);
    TypeTitle(secondMain, QStringLiteral("From the second"));
    ClickDay(secondMain, 12);
    TypeBody(secondMain, QStringLiteral("second "));

    Exit(*main_);
    main_.reset();
    Exit(secondMain);

    const LineList stored = Stored("Journal.dry", "pw");
    ASSERT_EQ(stored.size(), 4u) << testing::PrintToString(stored);
    EXPECT_TRUE(stored[2].starts_with("202403200From the first@@")) << stored[2];
    EXPECT_TRUE(stored[3].starts_with("202403210From the second@@")) << stored[3];
    const std::string shared = ParseDayRecord(stored[1]).Body();
    EXPECT_NE(shared.find("first"), std::string::npos);
    EXPECT_NE(shared.find("second"), std::string::npos);
    EXPECT_NE(shared.find("Also written in Journal.dry"), std::string::npos);
    const auto messages = services_.dialogs.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().startsWith("2 days came in from the other copy of this diary."))
        << messages.back().toStdString();
    EXPECT_TRUE(messages.back().contains("This date now holds two texts: ")) << messages.back().toStdString();
}

TEST_F(TwoWindowsJourneyTest, AFileChangedWhileTheWindowWasAwayIsMergedOnReturnKeepingWhatIsTyped)
{
    OpenFirst();
    ClickDay(*main_, 12);
    TypeBody(*main_, QStringLiteral("typed here "));

    ASSERT_TRUE(second_.Open("Journal", "pw").Ok()); // another program writes meanwhile
    second_.StoreDay({2024, 3, 12}, "{\\rtf1 written elsewhere}", "Tuesday", 3);
    second_.StoreDay({2024, 3, 20}, "{\\rtf1 new elsewhere}", "Elsewhere", 0);
    ASSERT_TRUE(second_.SaveAtExit().Ok());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));

    const QString body = Child<RichTextEdit>(*main_, "bodyEdit").toPlainText();
    EXPECT_TRUE(body.contains("typed here") && body.contains("written elsewhere")) << body.toStdString();
    EXPECT_TRUE(services_.dialogs.Messages().back().startsWith("2 days came in"));
    ClickDay(*main_, 20);
    EXPECT_EQ(Child<TitleEdit>(*main_, "titleEdit").text(), "Elsewhere");
    Exit(*main_);
    const LineList stored = Stored("Journal.dry", "pw");
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_NE(stored[1].find("typed here"), std::string::npos);
}

TEST_F(TwoWindowsJourneyTest, ASecondOpeningIsToldWhoHoldsTheDiaryAndReadOnlyWritesNothing)
{
    OpenFirst();
    const std::string before = ReadBytes(PathOf("Journal.dry"));
    MainWindow secondMain(*services_, second_);
    {
        OpenDiaryDialog entry(&secondMain, *services_, second_, "Journal.dry");
        entry.show();
        services_.dialogs.AnswerChoice(0); // Open read-only
        ChooseInSelection(entry);
        ASSERT_FALSE(entry.isVisible());
    }
    const auto& asked = services_.dialogs.Asked().back();
    EXPECT_EQ(asked.Kind, ScriptedDialogs::QuestionKind::Choice);
    EXPECT_TRUE(asked.Text.startsWith(QStringLiteral("Journal.dry is open in Daybrook on %1 since ")
                                          .arg(QString::fromStdString(platform::files::ThisHost()))))
        << asked.Text.toStdString();
    EXPECT_EQ(asked.Choices.size(), 2) << asked.Choices.join("|").toStdString();
    Show(secondMain);
    EXPECT_TRUE(secondMain.windowTitle().endsWith(QStringLiteral("(read-only)")));

    ClickDay(secondMain, 20);
    TypeTitle(secondMain, QStringLiteral("Not written"));
    ClickDay(secondMain, 21);
    Exit(secondMain);
    EXPECT_EQ(ReadBytes(PathOf("Journal.dry")), before);
    EXPECT_FALSE(std::filesystem::exists(second_.RecoveryFile()));

    ClickDay(*main_, 20);
    TypeTitle(*main_, QStringLiteral("Written"));
    Exit(*main_);
    EXPECT_EQ(Stored("Journal.dry", "pw").size(), 3u) << "the writer's exit is not held up";
}

} // namespace
