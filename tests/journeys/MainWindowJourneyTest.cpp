// Journeys through the main window as a person makes them: the selection window, clicks on
// the calendar, typing, the toolbar, and leaving the program; checked in the diary file.
#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "windows/browse/BrowseWindow.h"
#include "windows/tools/ToolsWindow.h"
#include "windows/picker/MoodPickerDialog.h"
#include "widgets/controls/ToolButton.h"
#include "windows/spell/SpellCheckDialog.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/RichTextEdit.h"
#include "widgets/editor/TitleEdit.h"
#include "formats/diary/DiaryFile.h"
#include "formats/diary/DiaryFormat.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SpeedButton.h"

#include "support/TestFiles.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using testing_support::ReadBytes;
using testing_support::TestServices;
using widgets::ScriptedDialogs;
using widgets::MsgAnswer;

namespace {

const LineList Written{"202403100Sunday@@{\\rtf1 rest}", "202403123Tuesday@@{\\rtf1 work}",
                     "202404011April@@{\\rtf1 fool}"};

class MainJourneyTest : public ::testing::Test {
protected:
    std::filesystem::path PathOf(const std::string& name) const { return services.folder / name; }

    void Diary(const std::string& name, const LineList& lines = Written)
    {
        ASSERT_EQ(SaveDiary(PathOf(name), lines, "pw"), drDone);
    }

    LineList Stored(const std::string& name = "Journal.dry")
    {
        LineList lines;
        DiaryLock lock;
        EXPECT_EQ(LoadDiaryFile(PathOf(name), lines, "pw", lock), drDone);
        return lines;
    }

    // The program's start: the selection window, then the main window once a diary is open.
    void Start(const std::function<void(OpenDiaryDialog&)>& choose)
    {
        main = std::make_unique<MainWindow>(*services);
        {
            OpenDiaryDialog entry(*main);
            entry.show();
            QApplication::processEvents();
            choose(entry);
            ASSERT_FALSE(entry.isVisible()) << "the diary did not open";
        }
        main->OfferRecovery();
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        ASSERT_FALSE(main->FirstActivation);
    }

    void CreateDiary(const QString& name)
    {
        Start([&](OpenDiaryDialog& entry) {
            entry.CBDiary->setCurrentIndex(0);
            emit entry.CBDiary->activated(0);
            QTest::mouseClick(entry.btnNext, Qt::LeftButton);
            entry.EdtDiary->setText(name);
            entry.EdtPassword->setText(QStringLiteral("pw"));
            services.dialogs.AnswerText(QStringLiteral("pw"));
            QTest::mouseClick(entry.btnNext, Qt::LeftButton);
        });
    }

    void OpenDiary(const QString& name)
    {
        Start([&](OpenDiaryDialog& entry) {
            const int index = entry.CBDiary->findText(name);
            ASSERT_GE(index, 0);
            entry.CBDiary->setCurrentIndex(index);
            emit entry.CBDiary->activated(index);
            entry.EdtPassword->setText(QStringLiteral("pw"));
            QTest::mouseClick(entry.btnNext, Qt::LeftButton);
        });
    }

    void Click(widgets::SpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Clicks the day's cell in the calendar's month.
    void ClickDay(int day)
    {
        calendar::MainCalendar& grid = *main->DCalendar;
        for (int row = 1; row < grid.RowCount(); ++row)
            for (int col = 0; col < grid.ColCount(); ++col)
                if (grid.CellDay(col, row) == day) {
                    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(col, row).center() + grid.contentsRect().topLeft());
                    return;
                }
        FAIL() << "no cell shows day " << day;
    }

    void TypeTitle(const QString& text)
    {
        QTest::mouseClick(main->edTitle, Qt::LeftButton);
        QTest::keyClicks(main->edTitle, text);
    }

    void TypeBody(const QString& text)
    {
        QTest::mouseClick(main->MemoBody->viewport(), Qt::LeftButton);
        QTest::keyClicks(main->MemoBody, text);
    }

    calendar::Date Shown() const { return main->DCalendar->CalendarDate(); }

    // Leaves through the close box (the window's own close command).
    void CloseBox() { main->close(); }

    void Exit()
    {
        Click(main->btnExit);
        EXPECT_FALSE(main->isVisible());
        main.reset();
    }

    TestServices services;
    std::unique_ptr<MainWindow> main;
};

TEST_F(MainJourneyTest, DaysWrittenInANewDiaryAreThereAfterARestart)
{
    CreateDiary(QStringLiteral("Journal"));
    EXPECT_EQ(Shown(), (calendar::Date{2024, 3, 15})) << "the diary opens on today";
    EXPECT_EQ(main->edTitle->text(), "Welcome to the Daybrook!");
    EXPECT_TRUE(main->MemoBody->isReadOnly());

    ClickDay(16);
    EXPECT_TRUE(main->edTitle->text().isEmpty());
    TypeTitle(QStringLiteral("Day one"));
    TypeBody(QStringLiteral("Hello "));
    QTest::keyClick(main->MemoBody, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(main->MemoBody, QStringLiteral("world"));
    Click(main->btnNextMood);
    Click(main->btnNextMood);

    ClickDay(17);
    TypeTitle(QStringLiteral("Day two"));
    TypeBody(QStringLiteral("Second"));
    Click(main->btnPrevMood);

    ClickDay(18);
    TypeTitle(QStringLiteral("Only a title"));
    Exit();
    ASSERT_EQ(Stored().size(), 3u) << "the welcome entry was not edited, so it is no record";

    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(main->DCalendar->ActiveDays(), "16,17,18,");
    ClickDay(16);
    EXPECT_EQ(main->edTitle->text(), "Day one");
    EXPECT_EQ(main->MemoBody->toPlainText(), "Hello world");
    EXPECT_EQ(main->Flow().CurrentMood, 2);
    QTextCursor cursor(main->MemoBody->document());
    cursor.setPosition(8);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold) << "formatting survives";
    cursor.setPosition(3);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
    ClickDay(17);
    EXPECT_EQ(main->Flow().CurrentMood, 9) << "previous mood from the first one wraps";
    ClickDay(18);
    EXPECT_EQ(main->edTitle->text(), "Only a title");
    Exit();
}

TEST_F(MainJourneyTest, TheCloseBoxAsksBeforeDroppingTheRunsChanges)
{
    Diary("Journal.dry");
    const std::string before = ReadBytes(PathOf("Journal.dry"));
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    TypeTitle(QStringLiteral("Not to be kept"));

    services.dialogs.AnswerMessage(MsgAnswer::Cancel);
    CloseBox();
    EXPECT_TRUE(main->isVisible()) << "Cancel keeps the window open";
    EXPECT_EQ(services.dialogs.Messages().back(),
              "If you exit this way, your changes\r\nwill be lost. Exit & loose changes?");
    EXPECT_EQ(services.dialogs.Asked().back().Caption, " Warning");

    services.dialogs.AnswerMessage(MsgAnswer::Ok);
    CloseBox();
    EXPECT_FALSE(main->isVisible());
    main.reset();
    EXPECT_EQ(ReadBytes(PathOf("Journal.dry")), before) << "nothing of the run is written";
    EXPECT_FALSE(std::filesystem::exists(PathOf("Journal.bkd")));
}

TEST_F(MainJourneyTest, TheCloseBoxWithoutChangesAsksNothing)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(12);
    const size_t asked = services.dialogs.Asked().size();
    CloseBox();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(services.dialogs.Asked().size(), asked);
}

TEST_F(MainJourneyTest, DeleteAsksAndRemovesTheDayOnlyOnYes)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(12);
    services.dialogs.AnswerMessage(MsgAnswer::No);
    Click(main->btnDelete);
    EXPECT_EQ(services.dialogs.Messages().back(), "Delete day \"March 12, 2024\" ?");
    EXPECT_EQ(main->edTitle->text(), "Tuesday");

    services.dialogs.AnswerMessage(MsgAnswer::Yes);
    Click(main->btnDelete);
    EXPECT_TRUE(main->edTitle->text().isEmpty());
    EXPECT_EQ(main->DCalendar->ActiveDays(), "10,");
    Exit();
    EXPECT_EQ(Stored(), (LineList{Written[0], Written[2]}));
}

TEST_F(MainJourneyTest, NavigationMovesTheCalendarByEntryMonthYearAndToday)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    Click(main->btnPrevEntry);
    EXPECT_EQ(Shown(), (calendar::Date{2024, 3, 12}));
    Click(main->btnPrevEntrySmall);
    EXPECT_EQ(Shown(), (calendar::Date{2024, 3, 10}));
    Click(main->btnNextEntry);
    Click(main->btnNextEntry);
    EXPECT_EQ(Shown(), (calendar::Date{2024, 4, 1}));
    EXPECT_EQ(main->edTitle->text(), "April");
    Click(main->btnNextMonth);
    Click(main->btnNextYear);
    EXPECT_EQ(Shown(), (calendar::Date{2025, 5, 1}));
    Click(main->btnNextEntrySmall);
    EXPECT_EQ(Shown(), (calendar::Date{2024, 4, 1})) << "next entry after all records goes back to the last";
    Click(main->btnToday);
    EXPECT_EQ(Shown(), (calendar::Date{2024, 3, 15}));
    EXPECT_TRUE(main->edTitle->text().isEmpty());
    QTest::keyClick(main->DCalendar, Qt::Key_Left);
    QTest::keyClick(main->DCalendar, Qt::Key_Up);
    EXPECT_EQ(Shown(), (calendar::Date{2024, 3, 7})) << "the calendar's arrow keys move the day";
    Exit();
}

TEST_F(MainJourneyTest, EscapeDropsTheEditsOfTheShownDay)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(10);
    TypeBody(QStringLiteral("kept "));
    ClickDay(12); // stores the 10th: the diary now has changes
    TypeBody(QStringLiteral("dropped "));
    QTest::keyClick(main->MemoBody, Qt::Key_Escape);
    EXPECT_EQ(main->MemoBody->toPlainText(), "work");
    EXPECT_TRUE(main->MemoBody->isReadOnly());
    Exit();
    const LineList stored = Stored();
    EXPECT_NE(stored[0].find("kept"), std::string::npos);
    EXPECT_EQ(stored[1], Written[1]);
}

TEST_F(MainJourneyTest, AFailedExitSaveKeepsEveryEntryAndSavesOnceTheFolderIsBack)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    TypeTitle(QStringLiteral("Written while the folder went away"));
    const auto away = services.settingsFolder / "moved";
    std::filesystem::rename(services.folder.Path(), away);
    services.dialogs.OnQuestion = [&](const ScriptedDialogs::AskedQuestion& question) {
        if (question.Kind == ScriptedDialogs::QuestionKind::Choice)
            std::filesystem::rename(away, services.folder.Path()); // the user brings it back
    };
    services.dialogs.AnswerChoice(0); // try again
    Exit();
    services.dialogs.OnQuestion = nullptr;
    const auto& asked = services.dialogs.Asked().back();
    ASSERT_EQ(asked.Kind, ScriptedDialogs::QuestionKind::Choice);
    EXPECT_EQ(asked.Choices.size(), 3);
    const LineList stored = Stored();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_TRUE(stored[2].starts_with("202403200Written while the folder went away@@{\\rtf1")) << stored[2];
    LineList backup;
    EXPECT_EQ(LoadDiary(PathOf("Journal.bkd"), backup, "pw"), drDone);
    EXPECT_EQ(backup, Written);
}

TEST_F(MainJourneyTest, ARunThatEndedWithoutSavingIsRecoveredAtTheNextStart)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(21);
    TypeTitle(QStringLiteral("Before the power cut"));
    ClickDay(22);
    main->Recovery().WriteNow();
    while (main->Recovery().Writing())
        QTest::qWait(5);
    ASSERT_TRUE(std::filesystem::exists(PathOf("Journal.rcv")));
    main.reset(); // the process ends without closing its window
    EXPECT_EQ(Stored(), Written);

    services.dialogs.AnswerMessage(MsgAnswer::Yes);
    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(services.dialogs.Messages().back(),
              "This diary was not closed properly. Recover the entries written then?");
    ClickDay(21);
    EXPECT_EQ(main->edTitle->text(), "Before the power cut");
    Exit();
    EXPECT_EQ(Stored().size(), 4u) << "the recovered entries are saved at exit";
    EXPECT_FALSE(std::filesystem::exists(PathOf("Journal.rcv")));
}

TEST_F(MainJourneyTest, ADeclinedRecoveryIsKeptUnderADatedName)
{
    Diary("Journal.dry");
    LineList later = Written;
    later.push_back("202405050May@@");
    ASSERT_TRUE(WriteDiaryCopy(PathOf("Journal.rcv").string(), later, PlainLock("pw")).Ok());
    services.dialogs.AnswerMessage(MsgAnswer::No);
    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(main->Session().Text().Count(), 3u);
    EXPECT_FALSE(std::filesystem::exists(PathOf("Journal.rcv")));
    size_t kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(services.folder.Path()))
        kept += entry.path().filename().string().starts_with("Journal-") && entry.path().extension() == ".rcv";
    EXPECT_EQ(kept, 1u);
    Exit();
}

TEST_F(MainJourneyTest, TheTitleRefusesWhatTheDiaryCannotKeep)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    TypeTitle(QStringLiteral("mail@@home "));
    EXPECT_EQ(main->edTitle->text(), "mail@home ") << "a second @ is refused";
    EXPECT_TRUE(main->edTitle->LastRefusal().contains("@@"));
    QKeyEvent greek(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u03B1"));
    QApplication::sendEvent(main->edTitle, &greek);
    EXPECT_EQ(main->edTitle->text(), "mail@home ") << "code page 1252 has no Greek letters";
    EXPECT_TRUE(main->edTitle->LastRefusal().contains("1252"));
    QApplication::clipboard()->setText(QStringLiteral("x@@y"));
    main->edTitle->paste();
    EXPECT_EQ(main->edTitle->text(), "mail@home ") << "pasting is checked too";
    Exit();
}

TEST_F(MainJourneyTest, TheMoodIsChosenInThePickerAndMarksOnlyAWrittenBody)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    const auto pick = [&](Qt::Key key, int steps) {
        QTimer::singleShot(0, [&, key, steps] {
            auto* picker = qobject_cast<MoodPickerDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(picker->findChild<QWidget*>("pictureGrid"), key);
            QTest::mouseClick(picker->findChild<QWidget*>("selectButton"), Qt::LeftButton);
        });
        QTest::mouseClick(main->imgMood, Qt::LeftButton);
    };
    pick(Qt::Key_Right, 3);
    EXPECT_EQ(main->Flow().CurrentMood, 3);
    EXPECT_FALSE(main->MemoBody->document()->isModified()) << "a mood alone on an empty body is no change";
    ClickDay(12);
    pick(Qt::Key_Down, 1);
    EXPECT_EQ(main->Flow().CurrentMood, 7);
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
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<SpellCheckDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->edUnknown->text(), "wintr");
        dialog->edCorrection->setText(QStringLiteral("winter"));
        QTest::mouseClick(dialog->btnAccept, Qt::LeftButton);
        QTest::keyClick(dialog->lbSuggestions, Qt::Key_Escape);
    });
    Click(main->btnSpell);
    EXPECT_EQ(main->MemoBody->toPlainText(), "winter days");
    EXPECT_TRUE(main->MemoBody->document()->isModified());
    Exit();
    EXPECT_NE(Stored()[0].find("winter days"), std::string::npos) << Stored()[0];
}

TEST_F(MainJourneyTest, BrowseMovesTheCalendarAndTheToolsWindowRestoresABackup)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    TypeTitle(QStringLiteral("Stored before browsing"));
    QTimer::singleShot(0, [] {
        auto* browse = qobject_cast<BrowseWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(browse, nullptr);
        // Newest first: 1 April, 20 March, 12 March, 10 March.
        browse->DLV->setCurrentIndex(browse->DLV->model()->index(2, 0));
        browse->btnGotoClick();
    });
    Click(main->btnBrowse);
    EXPECT_EQ(main->Session().Text().Count(), 4u) << "the shown day was stored before browsing";
    EXPECT_EQ(Shown(), (calendar::Date{2024, 3, 12}));
    EXPECT_EQ(main->edTitle->text(), "Tuesday");

    const auto backup = services.settingsFolder / "before.bkd";
    ASSERT_EQ(SaveDiary(backup, {Written[0]}, "pw"), drDone);
    services.dialogs.AnswerText(QString::fromStdString(backup.string()));
    QTimer::singleShot(0, [] {
        auto* tools = qobject_cast<ToolsWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(tools, nullptr);
        tools->BtnRestoreClick();
        tools->close();
    });
    Click(main->btnOptions);
    EXPECT_EQ(main->Session().Text().Lines(), LineList{Written[0]});
    EXPECT_TRUE(main->edTitle->text().isEmpty()) << "the shown day is reloaded from the restored diary";
    EXPECT_EQ(main->DCalendar->ActiveDays(), "10,");
    Exit();
    EXPECT_EQ(Stored(), LineList{Written[0]});
}

TEST_F(MainJourneyTest, TheEndOfTheDesktopSessionSavesWithoutAsking)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    TypeTitle(QStringLiteral("Late entry"));
    const size_t asked = services.dialogs.Asked().size();
    main->SessionEnding();
    EXPECT_EQ(services.dialogs.Asked().size(), asked);
    EXPECT_EQ(Stored().size(), 4u);
    CloseBox();
    EXPECT_EQ(services.dialogs.Asked().size(), asked) << "nothing is left to ask about";
}

TEST_F(MainJourneyTest, SkinsCycleAndTheShownOneIsStoredAtTheEnd)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ASSERT_EQ(main->SkinCount, 9);
    for (int i = 0; i < 9; ++i)
        Click(main->btnSkin);
    EXPECT_EQ(main->CurrentSkin, 0) << "nine presses come back to the first skin";
    for (int i = 0; i < 3; ++i)
        Click(main->btnSkin);
    Exit();
    EXPECT_NE(ReadBytes(services.SettingsFile()).find("\"CurrentSkin\"=dword:00000003"), std::string::npos);
    main = std::make_unique<MainWindow>(*services);
    EXPECT_EQ(main->CurrentSkin, 3);
}

TEST_F(MainJourneyTest, StoredBoundsApplyOnlyWhenTheyLieOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto store = [&](int top, int left) {
        testing_support::WriteBytes(
            services.SettingsFile(),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n\"LastTop\"=dword:" +
                QString::number(top, 16).rightJustified(8, '0').toStdString() + "\r\n\"LastLeft\"=dword:" +
                QString::number(left, 16).rightJustified(8, '0').toStdString() +
                "\r\n\"LastWidth\"=dword:00000320\r\n\"LastHeight\"=dword:00000226\r\n\r\n");
    };
    store(40, 50);
    main = std::make_unique<MainWindow>(*services);
    EXPECT_EQ(main->pos(), QPoint(50, 40));
    EXPECT_EQ(main->size(), QSize(800, 550));
    store(40, screen.width());
    main = std::make_unique<MainWindow>(*services);
    EXPECT_EQ(main->size(), QSize(742, 453)) << "a left edge at the screen's width is off the screen";
    EXPECT_EQ(main->pos(), screen.center() - QPoint(371, 226));
}

TEST_F(MainJourneyTest, PrintingAsksFirstAndGoesToThePrinterChosen)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ClickDay(20);
    size_t asked = services.dialogs.Asked().size();
    Click(main->btnPrint);
    EXPECT_EQ(services.dialogs.Asked().size(), asked) << "an empty body asks nothing";

    ClickDay(12);
    const auto pdf = services.settingsFolder / "entry.pdf";
    services.dialogs.AnswerMessage(MsgAnswer::Yes);
    services.dialogs.AnswerText(QString::fromStdString(pdf.string()));
    Click(main->btnPrint);
    EXPECT_EQ(services.dialogs.Messages().back(), "Print current page?");
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(ReadBytes(pdf).substr(0, 4), "%PDF");
    Exit();
}

TEST_F(MainJourneyTest, TheScrollBarChoiceAndTheStoredFontLastAcrossRuns)
{
    testing_support::WriteBytes(services.SettingsFile(),
                                "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
                                "\"FontName\"=\"Liberation Serif\"\r\n\"FontSize\"=dword:0000000e\r\n\r\n");
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    EXPECT_EQ(main->MemoBody->document()->defaultFont().family(), "Liberation Serif");
    EXPECT_EQ(main->edTitle->font().pointSize(), 14);
    EXPECT_EQ(main->MemoBody->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    main->pmoShowScrollbar->trigger();
    EXPECT_EQ(main->MemoBody->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    Exit();
    main = std::make_unique<MainWindow>(*services);
    EXPECT_TRUE(main->pmoShowScrollbar->isChecked());
}

TEST_F(MainJourneyTest, TheKeyboardReachesTitleBodyCalendarAndTheToolbar)
{
    Diary("Journal.dry");
    OpenDiary(QStringLiteral("Journal"));
    ASSERT_TRUE(main->DCalendar->hasFocus()) << "a loaded day leaves the focus in the calendar";
    QTest::keyClick(main.get(), Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(main->edTitle->hasFocus()) << "Alt+E is the Edit button";
    EXPECT_FALSE(main->edTitle->isReadOnly());
    QTest::keyClick(main->edTitle, Qt::Key_Tab);
    EXPECT_TRUE(main->MemoBody->hasFocus());
    QTest::keyClick(main->MemoBody, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(main->DCalendar->hasFocus());
    QTest::mouseClick(main->edTitle, Qt::LeftButton);
    QTest::keyClick(main->edTitle, Qt::Key_Down);
    EXPECT_TRUE(main->MemoBody->hasFocus()) << "Down in the title goes on to the body";
    Exit();
}

} // namespace
