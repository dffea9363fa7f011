#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "formats/diary/DiaryFile.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SpeedButton.h"

#include "support/TestFiles.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using widgets::ScriptedDialogs;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

const QString Title = QStringLiteral("The Daybrook");
const QString NewDiaryText = QStringLiteral(
    "You are about to create a new diary. You will be asked for a diary name and a secret password.");
const LineList Records{"202401150Winter@@{\\rtf1 cold}", "202402290Leap@@{\\rtf1 rare}"};
const LineList BackupRecords{"202312240Eve@@{\\rtf1 from the backup}"};

// A program folder and a registry of its own; the main window and the selection window as
// the program makes them, with scripted dialogs.
class EntryJourneyTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (programFolder / name).string(); }

    void Diary(const std::string& name, const LineList& lines = Records, const std::string& password = "secret")
    {
        ASSERT_TRUE(SaveDiary(PathOf(name), lines, password).Ok());
    }

    void Damage(const std::string& name) { WriteBytes(programFolder / name, "DRY1 not a diary at all"); }

    void RememberLastDiary(const std::string& name)
    {
        WriteBytes(registryFile,
                   "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n\"LastDiaryName\"=\"" +
                       name + "\"\r\n\r\n");
    }

    void Start()
    {
        main = std::make_unique<MainWindow>(*services);
        main->Session().SealingKdf = CheapestKdf; // new diaries are sealed: keep their keys cheap
        entry = std::make_unique<OpenDiaryDialog>(*main);
        entry->show();
        QApplication::processEvents();
    }

    void Click(widgets::SpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void TypePassword(const QString& password)
    {
        entry->EdtPassword->setFocus();
        entry->EdtPassword->clear();
        QTest::keyClicks(entry->EdtPassword, password);
    }

    void Choose(const QString& item)
    {
        const int index = entry->CBDiary->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        entry->CBDiary->setCurrentIndex(index);
        emit entry->CBDiary->activated(index);
    }

    // Name and password typed in the new-diary step.
    void StartNewDiary(const QString& name, const QString& password)
    {
        Choose("* New Diary *");
        Click(entry->btnNext);
        entry->EdtDiary->setText(name);
        entry->EdtPassword->setText(password);
    }

    std::vector<QString> Items() const
    {
        std::vector<QString> items;
        for (int i = 0; i < entry->CBDiary->count(); ++i)
            items.push_back(entry->CBDiary->itemText(i));
        return items;
    }

    bool Closed() const { return !entry->isVisible(); }

    void ExpectStepZero() const
    {
        EXPECT_EQ(entry->Step, 0);
        EXPECT_EQ(entry->btnNext->Caption(), "&Next > ");
        EXPECT_EQ(entry->btnPrev->Caption(), "E&xit");
        EXPECT_TRUE(entry->CBDiary->isVisible());
        EXPECT_FALSE(entry->EdtDiary->isVisible());
        EXPECT_FALSE(Closed());
    }

    void ExpectStillNaming() const
    {
        EXPECT_EQ(entry->Step, 1);
        EXPECT_FALSE(Closed());
        EXPECT_TRUE(entry->EdtDiary->isVisible());
    }

    testing_support::TestServices services;
    const TempDir& programFolder = services.folder;
    std::filesystem::path registryFile = services.SettingsFile();
    ScriptedDialogs& dialogs = services.dialogs;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<OpenDiaryDialog> entry;
};

} // namespace

TEST(EntryHelpers, ReplaceExtensionAndTrailingSeparator)
{
    EXPECT_EQ(ReplaceExtension("/p/My Diary.dry", "bkd"), "/p/My Diary.bkd");
    EXPECT_EQ(ReplaceExtension("abcdef", "pkd"), "abcpkd") << "no dot is looked for";
    EXPECT_EQ(ReplaceExtension("ab", "bkd"), "ab");
    EXPECT_EQ(WithTrailingBackslash(""), "/");
    EXPECT_EQ(WithTrailingBackslash("/opt/daybrook"), "/opt/daybrook/");
    EXPECT_EQ(WithTrailingBackslash("/opt/daybrook/"), "/opt/daybrook/");
}

TEST_F(EntryJourneyTest, AnEmptyFolderOffersOnlyANewDiary)
{
    Start();
    EXPECT_EQ(Items(), std::vector<QString>{"* New Diary *"});
    EXPECT_EQ(entry->CBDiary->currentIndex(), 0);
    EXPECT_FALSE(entry->EdtPassword->isVisible());
    EXPECT_EQ(entry->LblPassword->text(), NewDiaryText);
    EXPECT_EQ(entry->size(), QSize(296, 224));
    EXPECT_TRUE(entry->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(EntryJourneyTest, TheDiaryLastOpenedIsPreselectedWhateverItsLetterCase)
{
    Diary("default.dry");
    Diary("My Diary.dry");
    Diary("a.b.dry");
    WriteBytes(programFolder / "notes.txt", "not a diary");
    std::filesystem::create_directory(programFolder / "sub");
    Diary("sub/hidden.dry");
    Start();
    EXPECT_EQ(Items(), (std::vector<QString>{"* New Diary *", "a", "default", "My Diary"}));
    EXPECT_EQ(entry->CBDiary->currentText(), "default") << "the stored default is default.dry";
    EXPECT_TRUE(entry->EdtPassword->isVisible());
    EXPECT_EQ(entry->LblPassword->text(), "Type in your password:");

    entry.reset();
    main.reset();
    RememberLastDiary("MY DIARY.DRY");
    Start();
    EXPECT_EQ(entry->CBDiary->currentText(), "My Diary");

    entry.reset();
    main.reset();
    RememberLastDiary("gone.dry");
    Start();
    EXPECT_EQ(entry->CBDiary->currentIndex(), 0);
    EXPECT_FALSE(entry->EdtPassword->isVisible());
}

TEST_F(EntryJourneyTest, OpeningADiaryWithItsPasswordLeavesItInTheMainWindow)
{
    Diary("My Diary.dry");
    RememberLastDiary("My Diary.dry");
    Start();
    TypePassword("  secret ");
    QTest::keyClick(entry->EdtPassword, Qt::Key_Return); // Enter clicks Next
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry->result(), QDialog::Accepted);
    EXPECT_EQ(main->Session().DiaryFile, PathOf("My Diary.dry"));
    EXPECT_EQ(main->Session().BackupFile, PathOf("My Diary.bkd"));
    EXPECT_EQ(main->Session().Password, "secret");
    EXPECT_FALSE(main->Session().Diary.NewDiary);
    EXPECT_EQ(main->Session().Text().Lines(), Records);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(EntryJourneyTest, AWrongPasswordIsToldAndTheUserMayRetype)
{
    Diary("default.dry");
    Diary("Other.dry");
    Diary("Other.bkd", BackupRecords); // never tried for a wrong password
    Start();
    Choose("Other");
    TypePassword("Secret");
    Click(entry->btnNext);
    ASSERT_EQ(dialogs.Messages(), std::vector<QString>{"Password is incorrect!"});
    EXPECT_EQ(dialogs.Asked()[0].Caption, Title);
    EXPECT_EQ(dialogs.Asked()[0].Buttons, widgets::MsgButtons::Ok);
    ExpectStepZero();
    EXPECT_EQ(entry->CBDiary->currentText(), "Other") << "the same selection";
    EXPECT_EQ(entry->LblDiary->text(), "Select your diary");

    TypePassword("secret");
    Click(entry->btnNext);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(main->Session().Text().Lines(), Records);
}

TEST_F(EntryJourneyTest, ADamagedDiaryOpensFromAGoodBackupEvenBeforeThePasswordIsTested)
{
    Damage("default.dry");
    Diary("default.bkd", BackupRecords);
    Start();
    TypePassword("secret");
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Messages(),
              std::vector<QString>{"Original diary is corrupted and\r\nrestored from backup"});
    EXPECT_TRUE(Closed());
    EXPECT_EQ(main->Session().Text().Lines(), BackupRecords);
    EXPECT_EQ(main->Session().DiaryFile, PathOf("default.dry")) << "the next save writes the diary file again";
    EXPECT_EQ(ReadBytes(PathOf("default.dry")), "DRY1 not a diary at all");
}

TEST_F(EntryJourneyTest, ABackupThatRefusesThePasswordIsToldAfterTheRestoreMessage)
{
    Damage("default.dry");
    Diary("default.bkd", BackupRecords);
    Start();
    TypePassword("wrong");
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Messages(),
              (std::vector<QString>{"Original diary is corrupted and\r\nrestored from backup",
                                    "Password is incorrect!"}));
    ExpectStepZero();
}

TEST_F(EntryJourneyTest, ADiaryAndBackupBothDamagedAreToldAndNothingIsKept)
{
    Damage("default.dry");
    Damage("default.bkd");
    Start();
    main->Session().Text().SetLines({"left over"});
    TypePassword("secret");
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Messages(), std::vector<QString>{"This diary file is corrupted"});
    EXPECT_EQ(main->Session().Text().Count(), 0u);
    ExpectStepZero();
}

TEST_F(EntryJourneyTest, ANewDiaryNeedsANameNotTakenAndTheSamePasswordTwice)
{
    Diary("Notes.dry");
    RememberLastDiary("none");
    Start();
    Choose("* New Diary *");
    Click(entry->btnNext);
    EXPECT_EQ(entry->Step, 1);
    EXPECT_EQ(entry->EdtDiary->text(), "My Diary");
    EXPECT_EQ(entry->LblDiary->text(), "Type in your new diary name:");
    EXPECT_EQ(entry->LblPassword->text(), "Select your secret password:");
    EXPECT_EQ(entry->btnNext->Caption(), "&Finish >>");
    EXPECT_EQ(entry->btnPrev->Caption(), "< &Back");
    EXPECT_FALSE(entry->CBDiary->isVisible());
    EXPECT_TRUE(entry->EdtDiary->hasFocus());

    entry->EdtDiary->setText("   ");
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Asked().back().Text, "Diary name cannot be blank");
    EXPECT_EQ(dialogs.Asked().back().Caption, " Error");
    ExpectStillNaming();

    entry->EdtDiary->setText("notes");
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Asked().back().Text, "Diary Already Exists") << "another letter case is the same diary";
    EXPECT_EQ(dialogs.Asked().back().Caption, " Error");
    ExpectStillNaming();

    entry->EdtDiary->setText("Travel");
    entry->EdtPassword->setText("pass");
    dialogs.AnswerText(std::nullopt);
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Asked().back().Kind, ScriptedDialogs::QuestionKind::Input);
    EXPECT_EQ(dialogs.Asked().back().Caption, " Password Confirmation");
    EXPECT_EQ(dialogs.Asked().back().Text, "Please retype your password:");
    ExpectStillNaming();
    EXPECT_EQ(entry->EdtDiary->text(), "Travel");

    dialogs.AnswerText(QStringLiteral("Pass"));
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Asked().back().Text, "Passwords do not match");
    EXPECT_EQ(dialogs.Asked().back().Caption, "Error");
    ExpectStillNaming();
    EXPECT_EQ(entry->EdtPassword->text(), "pass");
}

TEST_F(EntryJourneyTest, ANewDiaryIsNamedTrimmedAndWrittenOnlyLater)
{
    Start();
    StartNewDiary("  Notes ", " pass ");
    main->Session().Text().SetLines({"left over"});
    dialogs.AnswerText(QStringLiteral("pass  "));
    Click(entry->btnNext);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry->result(), QDialog::Accepted);
    EXPECT_EQ(main->Session().DiaryFile, PathOf("Notes.dry"));
    EXPECT_EQ(main->Session().BackupFile, PathOf("Notes.pkd"));
    EXPECT_EQ(main->Session().Password, "pass");
    EXPECT_TRUE(main->Session().Diary.NewDiary);
    EXPECT_EQ(main->Session().Text().Count(), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(programFolder.Path())) << "no file is written now";
}

TEST_F(EntryJourneyTest, AnEmptyPasswordIsAllowed)
{
    Start();
    StartNewDiary("Open", "");
    dialogs.AnswerText(QStringLiteral(" "));
    Click(entry->btnNext);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(main->Session().Password, "");
}

TEST_F(EntryJourneyTest, BackReturnsToTheListKeepingThePassword)
{
    Diary("default.dry");
    Start();
    StartNewDiary("Draft", "typed");
    Click(entry->btnPrev);
    ExpectStepZero();
    EXPECT_EQ(entry->LblDiary->text(), "Select your diary");
    EXPECT_EQ(entry->CBDiary->currentIndex(), 0);
    EXPECT_FALSE(entry->EdtPassword->isVisible());
    EXPECT_EQ(entry->EdtPassword->text(), "typed");
    Choose("default");
    EXPECT_TRUE(entry->EdtPassword->isVisible());
    EXPECT_EQ(entry->LblPassword->text(), "Type in your password:");
}

TEST_F(EntryJourneyTest, ExitEndsWithoutWritingADiary)
{
    Diary("default.dry");
    const std::string before = ReadBytes(PathOf("default.dry"));
    Start();
    Choose("* New Diary *");
    Click(entry->btnPrev);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry->result(), QDialog::Rejected);
    entry.reset();
    main.reset();
    EXPECT_EQ(ReadBytes(PathOf("default.dry")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(programFolder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(EntryJourneyTest, EscapeNeitherClosesTheWindowNorLosesTheName)
{
    Start();
    StartNewDiary("Diary", "");
    entry->EdtPassword->setFocus();
    entry->EdtDiary->setFocus(); // the visit starts with "Diary"
    QTest::keyClicks(entry->EdtDiary, "-2.x");
    EXPECT_EQ(entry->EdtDiary->text(), "Diary2x");
    QTest::keyClick(entry->EdtDiary, Qt::Key_Escape);
    EXPECT_EQ(entry->EdtDiary->text(), "Diary");
    entry->EdtPassword->setFocus();
    QTest::keyClick(entry->EdtPassword, Qt::Key_Escape);
    ExpectStillNaming();
}

TEST_F(EntryJourneyTest, TheWindowIsDraggedFromItsBackground)
{
    Start();
    const QPoint start = entry->pos();
    QTest::mousePress(entry->LblDiary, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(15, 25), entry->mapToGlobal(QPointF(15, 25)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(entry.get(), &move);
    QTest::mouseRelease(entry.get(), Qt::LeftButton, {}, QPoint(15, 25));
    EXPECT_NE(entry->pos(), start);
}

TEST_F(EntryJourneyTest, AFolderThatCannotBeListedIsTold)
{
    services.SetProgramFolder(programFolder / "missing");
    Start();
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_TRUE(dialogs.Asked()[0].Text.startsWith("The diary folder cannot be read:"));
    EXPECT_EQ(Items(), std::vector<QString>{"* New Diary *"});
}

TEST_F(EntryJourneyTest, TheMainWindowStoresTheDiaryLastOpenedOnItsFirstActivation)
{
    Diary("Travel.dry");
    RememberLastDiary("Travel.dry");
    Start();
    TypePassword("secret");
    Click(entry->btnNext);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(main->reger.GetValue("LastDiaryName").ToString(), "Travel.dry");
    main->Session().DiaryFile = PathOf("Renamed.dry"); // as if another diary had been opened
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    EXPECT_EQ(main->reger.GetValue("LastDiaryName").ToString(), "Renamed.dry");
    EXPECT_FALSE(main->FirstActivation);
    entry.reset();
    main.reset();
    const std::string stored = ReadBytes(registryFile);
    EXPECT_NE(stored.find("\"LastDiaryName\"=\"Renamed.dry\""), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"FontName\"=\"Arial\""), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"LastTop\"=dword:ffffffff"), std::string::npos) << stored;
}

TEST_F(EntryJourneyTest, ASettingOfTheWrongTypeIsToldAndTheOthersStillLoad)
{
    WriteBytes(registryFile, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
                             "\"FontSize\"=\"twelve\"\r\n\"FontName\"=\"Liberation Serif\"\r\n\r\n");
    main = std::make_unique<MainWindow>(*services);
    ASSERT_EQ(dialogs.Messages(), std::vector<QString>{"Invalid data type for 'FontSize'"});
    EXPECT_EQ(main->reger.GetValue("FontSize").ToInteger(), 10);
    EXPECT_EQ(main->reger.GetValue("FontName").ToString(), "Liberation Serif");
    EXPECT_EQ(main->reger.GetValue("LastLeft").ToInteger(), -1);
}

TEST_F(EntryJourneyTest, ANewDiaryIsSealedUnlessTheUserUnchecksTheChoice)
{
    Start();
    EXPECT_FALSE(entry->cbSealDiary->isVisible());
    StartNewDiary("Vault", "pass");
    ASSERT_TRUE(entry->cbSealDiary->isVisible());
    EXPECT_TRUE(entry->cbSealDiary->isChecked());
    const QRect choice = entry->cbSealDiary->geometry();
    EXPECT_TRUE(entry->rect().contains(choice));
    for (const QWidget* control :
         std::initializer_list<const QWidget*>{entry->EdtDiary, entry->EdtPassword, entry->Bevel,
                                               entry->btnPrev, entry->btnNext, entry->imgDiary})
        EXPECT_FALSE(choice.intersects(control->geometry())) << control->metaObject()->className();
    EXPECT_EQ(entry->EdtPassword->geometry(), QRect(109, 140, 172, 21)) << "the designed controls stay";
    EXPECT_EQ(entry->btnPrev->geometry(), QRect(109, 188, 84, 29));
    EXPECT_EQ(entry->cbSealDiary->palette().color(QPalette::WindowText), QColor(Qt::white));

    dialogs.AnswerText(QStringLiteral("pass"));
    Click(entry->btnNext);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(main->Session().Format(), DiaryFormat::Sealed);
    EXPECT_TRUE(main->Session().Lock().Key->DerivedFrom("pass"));

    entry.reset();
    main.reset();
    Start();
    StartNewDiary("Open", "pass");
    entry->cbSealDiary->setChecked(false);
    Click(entry->btnPrev);
    EXPECT_FALSE(entry->cbSealDiary->isVisible());
    StartNewDiary("Open", "pass");
    EXPECT_FALSE(entry->cbSealDiary->isChecked()) << "the choice is kept while the window is open";
    dialogs.AnswerText(QStringLiteral("pass"));
    Click(entry->btnNext);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(main->Session().Format(), DiaryFormat::Plain);
}

TEST_F(EntryJourneyTest, ASealedDiaryOpensWithItsPasswordOnly)
{
    ASSERT_TRUE(SaveDiaryFile(PathOf("default.dry"), Records, SealedLock("secret", CheapestKdf)).Ok());
    Start();
    TypePassword("Secret");
    Click(entry->btnNext);
    EXPECT_EQ(dialogs.Messages(), std::vector<QString>{"Password is incorrect!"});
    ExpectStepZero();
    TypePassword("secret");
    Click(entry->btnNext);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(main->Session().Text().Lines(), Records);
    EXPECT_EQ(main->Session().Format(), DiaryFormat::Sealed);
}
