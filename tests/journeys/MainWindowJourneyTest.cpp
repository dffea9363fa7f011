// Journeys through the main window as a person makes them: the selection window, clicks on
// the calendar, typing, the toolbar, and leaving the program; checked in the diary file.
#include "JourneyTest.h"
#include "formats/rtf/RtfReader.h"

#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/RichTextEdit.h"
#include "widgets/editor/TitleEdit.h"
#include "windows/browse/BrowseWindow.h"
#include "windows/picker/MoodPickerDialog.h"
#include "windows/spell/SpellCheckDialog.h"
#include "windows/tools/ToolsWindow.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTreeView>

using namespace base::dates;
using namespace base::text;
using namespace formats::diary;
using formats::rtf::PlainText;
using namespace widgets::calendar;
using namespace widgets::dialogs;
using namespace widgets::editor;
using namespace windows::browse;
using namespace windows::picker;
using namespace windows::spell;
using namespace windows::tools;

using namespace testing_support;

namespace {

const LineList Written{"202403100Sunday@@{\\rtf1 rest}", "202403123Tuesday@@{\\rtf1 work}",
                       "202404011April@@{\\rtf1 fool}"};

class MainJourneyTest : public journeys::JourneyTest {
protected:
    void Diary(const std::string& name, const LineList& lines = Written) { JourneyTest::Diary(name, lines, "pw"); }
    LineList Stored() { return JourneyTest::Stored("Journal.dry", "pw"); }

    // The program's start: the selection window, then the main window once a diary is open.
    void Start(const std::function<void()>& choose)
    {
        StartSelection();
        choose();
        ASSERT_FALSE(entry_->isVisible()) << "the diary did not open";
        entry_.reset();
        main_->OfferRecovery();
        main_->show();
        main_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
        ASSERT_TRUE(main_->ShowsDiary());
    }

    void CreateDiary(const QString& name)
    {
        Start([&] {
            Choose("* New Diary *");
            ClickInEntry("nextButton");
            Child<QLineEdit>(*entry_, "diaryNameEdit").setText(name);
            Child<QLineEdit>(*entry_, "passwordEdit").setText(QStringLiteral("pw"));
            services_.dialogs.AnswerText(QStringLiteral("pw"));
            ClickInEntry("nextButton");
        });
    }

    void OpenDiary(const QString& name)
    {
        Start([&] {
            Child<QLineEdit>(*entry_, "passwordEdit").setText(QStringLiteral("pw"));
            Choose(name);
            ClickInEntry("nextButton");
        });
    }

    // The diary of the records Written, opened.
    void OpenWritten()
    {
        Diary("Journal.dry");
        OpenDiary(QStringLiteral("Journal"));
    }

    void ClickInEntry(const char* button) { testing_support::ClickChild(*entry_, button); }
    void Click(const char* button) { testing_support::ClickChild(*main_, button); }
    MainCalendar* Calendar() const { return &Child<MainCalendar>(*main_, "calendar"); }
    TitleEdit* Title() const { return &Child<TitleEdit>(*main_, "titleEdit"); }
    RichTextEdit* Body() const { return &Child<RichTextEdit>(*main_, "bodyEdit"); }
    void ClickDay(int day) { QTest::mouseClick(Calendar(), Qt::LeftButton, {}, DayCellCentre(*Calendar(), day)); }
    Date Shown() const { return Calendar()->CalendarDate(); }

    void TypeTitle(const QString& text)
    {
        QTest::mouseClick(Title(), Qt::LeftButton);
        QTest::keyClicks(Title(), text);
    }

    void TypeBody(const QString& text)
    {
        QTest::mouseClick(Body()->viewport(), Qt::LeftButton);
        QTest::keyClicks(Body(), text);
    }

    void Exit()
    {
        Click("exitButton");
        EXPECT_FALSE(main_->isVisible());
        main_.reset();
    }
};

TEST_F(MainJourneyTest, DaysWrittenInANewDiaryAreThereAfterARestart)
{
    CreateDiary(QStringLiteral("Journal"));
    EXPECT_EQ(Shown(), (Date{2024, 3, 15})) << "the diary opens on today";
    EXPECT_EQ(Title()->text(), "Welcome to the Daybrook!");

    ClickDay(16);
    TypeTitle(QStringLiteral("Day one"));
    TypeBody(QStringLiteral("Hello "));
    QTest::keyClick(Body(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(Body(), QStringLiteral("world"));
    Click("nextMoodButton");
    Click("nextMoodButton");

    ClickDay(17);
    TypeTitle(QStringLiteral("Day two"));
    TypeBody(QStringLiteral("Second"));
    Click("previousMoodButton");

    ClickDay(18);
    TypeTitle(QStringLiteral("Only a title"));
    Exit();
    ASSERT_EQ(Stored().size(), 3u) << "the welcome entry was not edited, so it is no record";

    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(Calendar()->ActiveDays(), "16,17,18,");
    ClickDay(16);
    EXPECT_EQ(Title()->text(), "Day one");
    EXPECT_EQ(Body()->toPlainText(), "Hello world");
    EXPECT_EQ(main_->Flow().CurrentMood, 2);
    QTextCursor cursor(Body()->document());
    cursor.setPosition(8);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold) << "formatting survives";
    ClickDay(17);
    EXPECT_EQ(main_->Flow().CurrentMood, 9) << "previous mood from the first one wraps";
    Exit();
}

TEST_F(MainJourneyTest, TheCloseBoxAsksBeforeDroppingTheRunsChanges)
{
    Diary("Journal.dry");
    const std::string before = ReadBytes(PathOf("Journal.dry"));
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    TypeTitle(QStringLiteral("Not to be kept"));

    services_.dialogs.AnswerMessage(MsgAnswer::Cancel);
    main_->close();
    EXPECT_TRUE(main_->isVisible()) << "Cancel keeps the window open";
    EXPECT_EQ(services_.dialogs.Messages().back(),
              "If you exit this way, your changes\r\nwill be lost. Exit & loose changes?");

    services_.dialogs.AnswerMessage(MsgAnswer::Ok);
    main_->close();
    main_.reset();
    EXPECT_EQ(ReadBytes(PathOf("Journal.dry")), before) << "nothing of the run is written";
    EXPECT_FALSE(std::filesystem::exists(PathOf("Journal.bkd")));
}

TEST_F(MainJourneyTest, PrintAndDeleteAskFirstAndDeleteRemovesTheDayOnlyOnYes)
{
    OpenWritten();
    ClickDay(12);
    const auto pdf = services_.settingsFolder / "entry.pdf";
    services_.dialogs.AnswerMessage(MsgAnswer::Yes);
    services_.dialogs.AnswerText(QString::fromStdString(pdf.string()));
    Click("printButton");
    EXPECT_EQ(services_.dialogs.Messages().back(), "Print current page?");
    EXPECT_EQ(ReadBytes(pdf).substr(0, 4), "%PDF") << "printed to the printer chosen";

    services_.dialogs.AnswerMessage(MsgAnswer::No);
    Click("deleteButton");
    EXPECT_EQ(services_.dialogs.Messages().back(), "Delete day \"March 12, 2024\" ?");
    EXPECT_EQ(Title()->text(), "Tuesday");
    services_.dialogs.AnswerMessage(MsgAnswer::Yes);
    Click("deleteButton");
    EXPECT_EQ(Calendar()->ActiveDays(), "10,");
    Exit();
    EXPECT_EQ(Stored(), (LineList{Written[0], Written[2]}));
}

TEST_F(MainJourneyTest, NavigationMovesTheCalendarAndTheEndOfTheDesktopSessionSaves)
{
    OpenWritten();
    // The next entry after all records goes back to the last.
    const std::vector<std::pair<const char*, Date>> steps{
        {"previousEntryButton", {2024, 3, 12}}, {"previousEntrySmallButton", {2024, 3, 10}},
        {"nextEntryButton", {2024, 3, 12}},     {"nextEntryButton", {2024, 4, 1}},
        {"nextMonthButton", {2024, 5, 1}},      {"nextYearButton", {2025, 5, 1}},
        {"nextEntrySmallButton", {2024, 4, 1}}, {"todayButton", {2024, 3, 15}}};
    for (const auto& [button, shown] : steps) {
        Click(button);
        EXPECT_EQ(Shown(), shown) << button;
    }
    QTest::keyClick(Calendar(), Qt::Key_Up);
    EXPECT_EQ(Shown(), (Date{2024, 3, 8})) << "the calendar's arrow keys move the day";

    TypeTitle(QStringLiteral("Late entry"));
    const size_t asked = services_.dialogs.Asked().size();
    main_->SessionEnding();
    EXPECT_EQ(services_.dialogs.Asked().size(), asked) << "the end of the desktop session saves without asking";
    EXPECT_EQ(Stored().size(), 4u);
}

TEST_F(MainJourneyTest, EscapeDropsTheEditsOfTheShownDayAndTheTitleRefusesWhatTheDiaryCannotKeep)
{
    OpenWritten();
    ClickDay(20);
    TypeTitle(QStringLiteral("mail@@home "));
    EXPECT_EQ(Title()->text(), "mail@home ") << "a second @ is refused";
    EXPECT_TRUE(Title()->LastRefusal().contains("@@"));
    QApplication::clipboard()->setText(QStringLiteral("x@@y"));
    Title()->paste();
    EXPECT_EQ(Title()->text(), "mail@home ") << "pasting is checked too";

    ClickDay(10);
    TypeBody(QStringLiteral("kept "));
    ClickDay(12); // stores the 10th: the diary now has changes
    TypeBody(QStringLiteral("dropped "));
    QTest::keyClick(Body(), Qt::Key_Escape);
    EXPECT_EQ(Body()->toPlainText(), "work");
    Exit();
    const LineList stored = Stored();
    EXPECT_NE(stored[0].find("kept"), std::string::npos);
    EXPECT_EQ(stored[1], Written[1]);
}

TEST_F(MainJourneyTest, AFailedExitSaveKeepsEveryEntryAndSavesOnceTheFolderIsBack)
{
    OpenWritten();
    ClickDay(20);
    TypeTitle(QStringLiteral("Written while the folder went away"));
    const auto away = services_.settingsFolder / "moved";
    std::filesystem::rename(services_.folder.Path(), away);
    services_.dialogs.OnQuestion = [&](const ScriptedDialogs::AskedQuestion& question) {
        if (question.Kind == ScriptedDialogs::QuestionKind::Choice)
            std::filesystem::rename(away, services_.folder.Path()); // the user brings it back
    };
    services_.dialogs.AnswerChoice(0); // try again
    Exit();
    services_.dialogs.OnQuestion = nullptr;
    ASSERT_FALSE(services_.dialogs.Asked().empty()) << "the failed save is asked about";
    EXPECT_EQ(services_.dialogs.Asked().back().Choices.size(), 3);
    const LineList stored = Stored();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_TRUE(stored[2].starts_with("202403200Written while the folder went away@@{\\rtf1")) << stored[2];
    EXPECT_EQ(JourneyTest::Stored("Journal.bkd", "pw"), Written);
}

TEST_F(MainJourneyTest, ARunThatEndedWithoutSavingIsRecoveredAtTheNextStart)
{
    OpenWritten();
    ClickDay(21);
    TypeTitle(QStringLiteral("Before the power cut"));
    ClickDay(22);
    main_->Recovery().WriteNow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main_->Recovery().Writing(); }));
    main_.reset(); // the process ends without closing its window

    services_.dialogs.AnswerMessage(MsgAnswer::Yes);
    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(services_.dialogs.Messages().back(),
              "This diary was not closed properly. Recover the entries written then?");
    ClickDay(21);
    EXPECT_EQ(Title()->text(), "Before the power cut");
    Exit();
    EXPECT_EQ(Stored().size(), 4u) << "the recovered entries are saved at exit";
    EXPECT_FALSE(std::filesystem::exists(session_->RecoveryFile()));
}


TEST_F(MainJourneyTest, TheMoodIsChosenInThePickerAndMarksOnlyAWrittenBody)
{
    OpenWritten();
    ClickDay(20);
    // The picker opens on a click on the mood picture or, when the picture has the focus, on Space.
    const auto pick = [&](Qt::Key key, int steps, bool fromKeyboard) {
        WhenModalOpens<MoodPickerDialog>([key, steps](MoodPickerDialog& picker) {
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(&Child(picker, "pictureGrid"), key);
            testing_support::ClickChild(picker, "selectButton");
        });
        if (fromKeyboard)
            QTest::keyClick(&Child(*main_, "moodImage"), Qt::Key_Space);
        else
            Click("moodImage");
    };
    pick(Qt::Key_Right, 3, false);
    EXPECT_EQ(main_->Flow().CurrentMood, 3);
    EXPECT_FALSE(Body()->document()->isModified()) << "a mood alone on an empty body is no change";
    ClickDay(12);
    pick(Qt::Key_Down, 1, true);
    ClickDay(10);
    Exit();
    EXPECT_EQ(Stored()[1].substr(0, 9), "202403127") << "the written day keeps its new mood";
    EXPECT_EQ(Stored().size(), 3u);
}

TEST_F(MainJourneyTest, TheSpellButtonChecksTheBodyAndHandsTheCorrectionBack)
{
    testing_support::WriteBytes(PathOf("English.dic"), "cold\r\ndays\r\nwinter\r\n");
    Diary("Journal.dry", {"202403100Sunday@@{\\rtf1 wintr days}"});
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(10);
    WhenModalOpens<SpellCheckDialog>([](SpellCheckDialog& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "unknownEdit").text(), "wintr");
        Child<QLineEdit>(dialog, "correctionEdit").setText(QStringLiteral("winter"));
        testing_support::ClickChild(dialog, "changeButton");
        QTest::keyClick(&Child(dialog, "suggestionList"), Qt::Key_Escape);
    });
    Click("spellButton");
    EXPECT_EQ(Body()->toPlainText(), "winter days");
    Exit();
    EXPECT_NE(Stored()[0].find("winter days"), std::string::npos) << Stored()[0];
}

TEST_F(MainJourneyTest, BrowseMovesTheCalendarAndTheToolsWindowRestoresABackup)
{
    OpenWritten();
    ClickDay(20);
    TypeTitle(QStringLiteral("Stored before browsing"));
    WhenModalOpens<BrowseWindow>([](BrowseWindow& browse) {
        // Newest first: 1 April, 20 March, 12 March, 10 March.
        auto& list = Child<QTreeView>(browse, "entryList");
        list.setCurrentIndex(list.model()->index(2, 0));
        testing_support::ClickChild(browse, "gotoButton");
    });
    Click("browseButton");
    EXPECT_EQ(session_->Text().Count(), 4u) << "the shown day was stored before browsing";
    EXPECT_EQ(Title()->text(), "Tuesday");

    const auto backup = services_.settingsFolder / "before.bkd";
    ASSERT_TRUE(SaveDiary(backup, {Written[0]}, "pw").Ok());
    services_.dialogs.AnswerText(QString::fromStdString(backup.string()));
    WhenModalOpens<ToolsWindow>([](ToolsWindow& tools) {
        testing_support::ClickChild(tools, "restoreButton");
        tools.close();
    });
    Click("toolsButton");
    EXPECT_TRUE(Title()->text().isEmpty()) << "the shown day is reloaded from the restored diary";
    EXPECT_EQ(Calendar()->ActiveDays(), "10,");
    Exit();
    EXPECT_EQ(Stored(), LineList{Written[0]});
}


TEST_F(MainJourneyTest, SkinsCycleAndTheShownOneIsStoredAtTheEnd)
{
    OpenWritten();
    ASSERT_EQ(main_->SkinCount(), 9);
    for (int i = 0; i < 12; ++i)
        Click("skinButton");
    EXPECT_EQ(main_->CurrentSkin(), 3) << "after the ninth skin comes the first";
    Exit();
    EXPECT_NE(ReadBytes(services_.SettingsFile()).find("\"CurrentSkin\"=dword:00000003"), std::string::npos);
    NewRun();
    EXPECT_EQ(main_->CurrentSkin(), 3);
}

TEST_F(MainJourneyTest, StoredBoundsApplyOnlyWhenTheyLieOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto store = [&](int top, int left) {
        const auto dword = [](int value) { return QString::number(value, 16).rightJustified(8, '0').toStdString(); };
        WriteMainSettings(services_.SettingsFile(), "\"LastTop\"=dword:" + dword(top) + "\r\n\"LastLeft\"=dword:" +
                                                        dword(left) + "\r\n\"LastWidth\"=dword:00000320\r\n"
                                                        "\"LastHeight\"=dword:00000226\r\n");
    };
    store(40, 50);
    NewRun();
    EXPECT_EQ(main_->pos(), QPoint(50, 40));
    EXPECT_EQ(main_->size(), QSize(800, 550));
    main_.reset(); // its settings are written as it goes
    store(40, screen.width());
    NewRun();
    EXPECT_EQ(main_->size(), QSize(742, 453)) << "a left edge at the screen's width is off the screen";
    EXPECT_EQ(main_->pos(), screen.center() - QPoint(371, 226));
}



TEST_F(MainJourneyTest, TheKeyboardReachesTitleBodyCalendarAndTheToolbar)
{
    OpenWritten();
    ASSERT_TRUE(Calendar()->hasFocus()) << "a loaded day leaves the focus in the calendar";
    QTest::keyClick(main_.get(), Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(Title()->hasFocus()) << "Alt+E is the Edit button";
    QTest::keyClick(Title(), Qt::Key_Tab);
    EXPECT_TRUE(Body()->hasFocus());
    QTest::keyClick(Body(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(Calendar()->hasFocus());
    QTest::mouseClick(Title(), Qt::LeftButton);
    QTest::keyClick(Title(), Qt::Key_Down);
    EXPECT_TRUE(Body()->hasFocus()) << "Down in the title goes on to the body";
    Exit();
}

} // namespace

TEST_F(MainJourneyTest, JournalsImportedThroughTheToolsWindowAreInTheCalendarTheBrowseListAndTheFile)
{
    OpenWritten();
    const auto jrnl = services_.settingsFolder / "journal.json";
    WriteBytes(jrnl, R"({"entries": [{"date": "2024-03-12", "time": "20:00", "title": "Evening", "body": "Tea."},
                                    {"date": "2024-03-21", "title": "Spring", "body": "Buds.", "tags": ["garden"]}]})");
    const auto notes = services_.settingsFolder / "notes";
    std::filesystem::create_directory(notes);
    WriteBytes(notes / "2024-03-22.md", "# Rain\n\nWet **all** day.\n");
    services_.dialogs.AnswerText(QString::fromStdString(jrnl.string()));
    services_.dialogs.AnswerText(QString::fromStdString((notes / "2024-03-22.md").string()));
    WhenModalOpens<ToolsWindow>([](ToolsWindow& tools) {
        testing_support::ClickChild(tools, "importButton");
        testing_support::ClickChild(tools, "importButton");
        tools.close();
    });
    Click("toolsButton");
    EXPECT_EQ(services_.dialogs.Messages(),
              (std::vector<QString>{"2 entries from 2024-03-12 to 2024-03-21; 1 on days already written will hold "
                                    "both texts. Import?",
                                    "1 entry on 2024-03-22. Import?"}));
    EXPECT_EQ(Calendar()->ActiveDays(), "10,12,21,22,");
    WhenModalOpens<BrowseWindow>([](BrowseWindow& browse) {
        auto& list = Child<QTreeView>(browse, "entryList");
        EXPECT_EQ(list.model()->rowCount(), 5);
        list.setCurrentIndex(list.model()->index(1, 0)); // newest first: 1 April, 22 March, ...
        testing_support::ClickChild(browse, "gotoButton");
    });
    Click("browseButton");
    EXPECT_EQ(Title()->text(), "Rain");
    EXPECT_EQ(Body()->toPlainText(), "Wet all day.");
    Exit();

    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(Calendar()->ActiveDays(), "10,12,21,22,");
    const LineList stored = Stored();
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(PlainText(ParseDayRecord(stored[1]).Body(), 1252), "work\n\u2014 Imported from journal.json \u00B7 "
                                                                  "20:00 \u00B7 Evening \u2014\nTea.");
    EXPECT_EQ(ParseDayRecord(stored[2]).Title, "Spring");
}
