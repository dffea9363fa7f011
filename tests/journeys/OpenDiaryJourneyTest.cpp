#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "formats/diary/DiaryFile.h"
#include "platform/locale/Collation.h"
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

#include "formats/diary/DiaryFile.h"
#include "formats/diary/DiaryFormat.h"

using namespace base::text;
using namespace formats::diary;
using namespace model::session;
using namespace platform::locale;
using namespace widgets::controls;
using namespace widgets::dialogs;
using namespace windows::main;
using namespace windows::selection;

using testing_support::ReadBytes;
using testing_support::ScriptedDialogs;
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
    std::string PathOf(const std::string& name) const { return (programFolder_ / name).string(); }

    void Diary(const std::string& name, const LineList& lines = Records, const std::string& password = "secret")
    {
        ASSERT_TRUE(SaveDiary(PathOf(name), lines, password).Ok());
    }

    void Damage(const std::string& name) { WriteBytes(programFolder_ / name, "DRY1 not a diary at all"); }

    void RememberLastDiary(const std::string& name)
    {
        WriteBytes(registryFile_,
                   "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n\"LastDiaryName\"=\"" +
                       name + "\"\r\n\r\n");
    }

    // The program's start, as far as the selection window.
    void Start()
    {
        entry_.reset();
        NewMain();
        entry_ = std::make_unique<OpenDiaryDialog>(main_.get(), *services_, *session_,
                                                  main_->StoredSettings().GetValue("LastDiaryName")->ToString());
        entry_->show();
        QApplication::processEvents();
    }

    void NewMain()
    {
        main_.reset();
        session_ = std::make_unique<DiarySession>(services_->ProgramFolder().string(), CompareText);
        session_->SealingKdf = CheapestKdf; // new diaries are sealed: keep their keys cheap
        main_ = std::make_unique<MainWindow>(*services_, *session_);
    }

    // A control of the selection window by its object name.
    template <class Control = QWidget> Control* Find(const char* name) const
    {
        auto* control = entry_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    PictureComboBox* List() const { return Find<PictureComboBox>("diaryList"); }
    FlatEdit* NameEdit() const { return Find<FlatEdit>("diaryNameEdit"); }
    FlatEdit* PasswordEdit() const { return Find<FlatEdit>("passwordEdit"); }
    SpeedButton* Next() const { return Find<SpeedButton>("nextButton"); }
    SpeedButton* Back() const { return Find<SpeedButton>("backButton"); }
    QString DiaryLabel() const { return Find<QLabel>("diaryLabel")->text(); }
    QString PasswordLabel() const { return Find<QLabel>("passwordLabel")->text(); }
    QCheckBox* SealCheck() const { return Find<QCheckBox>("sealCheck"); }

    void Click(SpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void TypePassword(const QString& password)
    {
        PasswordEdit()->setFocus();
        PasswordEdit()->clear();
        QTest::keyClicks(PasswordEdit(), password);
    }

    void Choose(const QString& item)
    {
        const int index = List()->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        List()->setCurrentIndex(index);
        emit List()->activated(index);
    }

    // Name and password typed in the new-diary step.
    void StartNewDiary(const QString& name, const QString& password)
    {
        Choose("* New Diary *");
        Click(Next());
        NameEdit()->setText(name);
        PasswordEdit()->setText(password);
    }

    std::vector<QString> Items() const
    {
        std::vector<QString> items;
        for (int i = 0; i < List()->count(); ++i)
            items.push_back(List()->itemText(i));
        return items;
    }

    bool Closed() const { return !entry_->isVisible(); }

    void ExpectStepZero() const
    {
        EXPECT_EQ(Next()->Caption(), "&Next > ");
        EXPECT_EQ(Back()->Caption(), "E&xit");
        EXPECT_TRUE(List()->isVisible());
        EXPECT_FALSE(NameEdit()->isVisible());
        EXPECT_FALSE(Closed());
    }

    void ExpectStillNaming() const
    {
        EXPECT_EQ(Next()->Caption(), "&Finish >>");
        EXPECT_FALSE(Closed());
        EXPECT_TRUE(NameEdit()->isVisible());
    }

    testing_support::TestServices services_;
    const TempDir& programFolder_ = services_.folder;
    std::filesystem::path registryFile_ = services_.SettingsFile();
    ScriptedDialogs& dialogs_ = services_.dialogs;
    std::unique_ptr<DiarySession> session_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<OpenDiaryDialog> entry_;
};

} // namespace

TEST_F(EntryJourneyTest, AnEmptyFolderOffersOnlyANewDiary)
{
    Start();
    EXPECT_EQ(Items(), std::vector<QString>{"* New Diary *"});
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_FALSE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordLabel(), NewDiaryText);
    EXPECT_TRUE(dialogs_.Asked().empty());
}

TEST_F(EntryJourneyTest, TheDiaryLastOpenedIsPreselectedWhateverItsLetterCase)
{
    Diary("default.dry");
    Diary("My Diary.dry");
    Diary("a.b.dry");
    WriteBytes(programFolder_ / "notes.txt", "not a diary");
    std::filesystem::create_directory(programFolder_ / "sub");
    Diary("sub/hidden.dry");
    Start();
    EXPECT_EQ(Items(), (std::vector<QString>{"* New Diary *", "a", "default", "My Diary"}));
    EXPECT_EQ(List()->currentText(), "default") << "the stored default is default.dry";
    EXPECT_TRUE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordLabel(), "Type in your password:");

    entry_.reset();
    main_.reset();
    RememberLastDiary("MY DIARY.DRY");
    Start();
    EXPECT_EQ(List()->currentText(), "My Diary");

    entry_.reset();
    main_.reset();
    RememberLastDiary("gone.dry");
    Start();
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_FALSE(PasswordEdit()->isVisible());
}

TEST_F(EntryJourneyTest, OpeningADiaryWithItsPasswordLeavesItInTheMainWindow)
{
    Diary("My Diary.dry");
    RememberLastDiary("My Diary.dry");
    Start();
    TypePassword("  secret ");
    QTest::keyClick(PasswordEdit(), Qt::Key_Return); // Enter clicks Next
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry_->result(), QDialog::Accepted);
    EXPECT_EQ(session_->DiaryFile(), PathOf("My Diary.dry"));
    EXPECT_EQ(session_->BackupFile(), PathOf("My Diary.bkd"));
    EXPECT_EQ(session_->Password(), "secret");
    EXPECT_FALSE(session_->Diary.NewDiary);
    EXPECT_EQ(session_->Text().Lines(), Records);
    EXPECT_TRUE(dialogs_.Asked().empty());
}

TEST_F(EntryJourneyTest, AWrongPasswordIsToldAndTheUserMayRetype)
{
    Diary("default.dry");
    Diary("Other.dry");
    Diary("Other.bkd", BackupRecords); // never tried for a wrong password
    Start();
    Choose("Other");
    TypePassword("Secret");
    Click(Next());
    ASSERT_EQ(dialogs_.Messages(), std::vector<QString>{"Password is incorrect!"});
    EXPECT_EQ(dialogs_.Asked()[0].Caption, Title);
    EXPECT_EQ(dialogs_.Asked()[0].Buttons, MsgButtons::Ok);
    ExpectStepZero();
    EXPECT_EQ(List()->currentText(), "Other") << "the same selection";
    EXPECT_EQ(DiaryLabel(), "Select your diary");

    TypePassword("secret");
    Click(Next());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(session_->Text().Lines(), Records);
}

TEST_F(EntryJourneyTest, ADamagedDiaryOpensFromAGoodBackupEvenBeforeThePasswordIsTested)
{
    Damage("default.dry");
    Diary("default.bkd", BackupRecords);
    Start();
    TypePassword("secret");
    Click(Next());
    EXPECT_EQ(dialogs_.Messages(),
              std::vector<QString>{"Original diary is corrupted and\r\nrestored from backup"});
    EXPECT_TRUE(Closed());
    EXPECT_EQ(session_->Text().Lines(), BackupRecords);
    EXPECT_EQ(session_->DiaryFile(), PathOf("default.dry")) << "the next save writes the diary file again";
    EXPECT_EQ(ReadBytes(PathOf("default.dry")), "DRY1 not a diary at all");
}

TEST_F(EntryJourneyTest, ANewDiaryNeedsANameNotTakenAndTheSamePasswordTwice)
{
    Diary("Notes.dry");
    RememberLastDiary("none");
    Start();
    Choose("* New Diary *");
    Click(Next());
    EXPECT_EQ(NameEdit()->text(), "My Diary");
    EXPECT_FALSE(List()->isVisible());
    EXPECT_TRUE(NameEdit()->hasFocus());

    NameEdit()->setText("   ");
    Click(Next());
    EXPECT_EQ(dialogs_.Asked().back().Text, "Diary name cannot be blank");
    ExpectStillNaming();

    NameEdit()->setText("notes");
    Click(Next());
    EXPECT_EQ(dialogs_.Asked().back().Text, "Diary Already Exists")
        << "another letter case is the same diary";
    ExpectStillNaming();

    NameEdit()->setText("Travel");
    PasswordEdit()->setText("pass");
    dialogs_.AnswerText(std::nullopt);
    Click(Next());
    EXPECT_EQ(dialogs_.Asked().back().Kind, ScriptedDialogs::QuestionKind::Input);
    ExpectStillNaming();
    EXPECT_EQ(NameEdit()->text(), "Travel");

    dialogs_.AnswerText(QStringLiteral("Pass"));
    Click(Next());
    EXPECT_EQ(dialogs_.Asked().back().Text, "Passwords do not match");
    ExpectStillNaming();
    EXPECT_EQ(PasswordEdit()->text(), "pass");
}

TEST_F(EntryJourneyTest, ANewDiaryIsNamedTrimmedAndWrittenOnlyLater)
{
    Start();
    StartNewDiary("  Notes ", " pass ");
    session_->Text().SetLines({"left over"});
    dialogs_.AnswerText(QStringLiteral("pass  "));
    Click(Next());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry_->result(), QDialog::Accepted);
    EXPECT_EQ(session_->DiaryFile(), PathOf("Notes.dry"));
    EXPECT_EQ(session_->BackupFile(), PathOf("Notes.pkd"));
    EXPECT_EQ(session_->Password(), "pass");
    EXPECT_TRUE(session_->Diary.NewDiary);
    EXPECT_EQ(session_->Text().Count(), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(programFolder_.Path())) << "no file is written now";
}

TEST_F(EntryJourneyTest, AnEmptyPasswordIsAllowed)
{
    Start();
    StartNewDiary("Open", "");
    dialogs_.AnswerText(QStringLiteral(" "));
    Click(Next());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(session_->Password(), "");
}

TEST_F(EntryJourneyTest, BackReturnsToTheListKeepingThePassword)
{
    Diary("default.dry");
    Start();
    StartNewDiary("Draft", "typed");
    Click(Back());
    ExpectStepZero();
    EXPECT_EQ(DiaryLabel(), "Select your diary");
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_FALSE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordEdit()->text(), "typed");
    Choose("default");
    EXPECT_TRUE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordLabel(), "Type in your password:");
}

TEST_F(EntryJourneyTest, ExitEndsWithoutWritingADiary)
{
    Diary("default.dry");
    const std::string before = ReadBytes(PathOf("default.dry"));
    Start();
    Choose("* New Diary *");
    Click(Back());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry_->result(), QDialog::Rejected);
    entry_.reset();
    main_.reset();
    EXPECT_EQ(ReadBytes(PathOf("default.dry")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(programFolder_.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(EntryJourneyTest, EscapeNeitherClosesTheWindowNorLosesTheName)
{
    Start();
    StartNewDiary("Diary", "");
    PasswordEdit()->setFocus();
    NameEdit()->setFocus(); // the visit starts with "Diary"
    QTest::keyClicks(NameEdit(), "-2.x");
    EXPECT_EQ(NameEdit()->text(), "Diary2x");
    QTest::keyClick(NameEdit(), Qt::Key_Escape);
    EXPECT_EQ(NameEdit()->text(), "Diary");
    PasswordEdit()->setFocus();
    QTest::keyClick(PasswordEdit(), Qt::Key_Escape);
    ExpectStillNaming();
}

TEST_F(EntryJourneyTest, TheWindowIsDraggedFromItsBackground)
{
    Start();
    const QPoint start = entry_->pos();
    QTest::mousePress(Find("diaryLabel"), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(15, 25), entry_->mapToGlobal(QPointF(15, 25)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(entry_.get(), &move);
    QTest::mouseRelease(entry_.get(), Qt::LeftButton, {}, QPoint(15, 25));
    EXPECT_NE(entry_->pos(), start);
}

TEST_F(EntryJourneyTest, AFolderThatCannotBeListedIsTold)
{
    services_.SetProgramFolder(programFolder_ / "missing");
    Start();
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_TRUE(dialogs_.Asked()[0].Text.startsWith("The diary folder cannot be read:"));
    EXPECT_EQ(Items(), std::vector<QString>{"* New Diary *"});
}

TEST_F(EntryJourneyTest, TheMainWindowStoresTheDiaryLastOpenedOnItsFirstActivation)
{
    Diary("Travel.dry");
    RememberLastDiary("Travel.dry");
    Start();
    TypePassword("secret");
    Click(Next());
    ASSERT_TRUE(Closed());
    EXPECT_EQ(main_->StoredSettings().GetValue("LastDiaryName")->ToString(), "Travel.dry");
    session_->Create("Renamed", "secret"); // as if another diary had been opened
    main_->show();
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
    EXPECT_EQ(main_->StoredSettings().GetValue("LastDiaryName")->ToString(), "Renamed.dry");
    EXPECT_TRUE(main_->ShowsDiary());
    entry_.reset();
    main_.reset();
    const std::string stored = ReadBytes(registryFile_);
    EXPECT_NE(stored.find("\"LastDiaryName\"=\"Renamed.dry\""), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"FontName\"=\"Arial\""), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"LastTop\"=dword:ffffffff"), std::string::npos) << stored;
}

TEST_F(EntryJourneyTest, ASettingOfTheWrongTypeIsToldAndTheOthersStillLoad)
{
    WriteBytes(registryFile_, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
                             "\"FontSize\"=\"twelve\"\r\n\"FontName\"=\"Liberation Serif\"\r\n\r\n");
    NewMain();
    ASSERT_EQ(dialogs_.Messages(), std::vector<QString>{"Invalid data type for 'FontSize'"});
    EXPECT_EQ(*main_->StoredSettings().GetValue("FontSize")->ToInteger(), 10);
    EXPECT_EQ(main_->StoredSettings().GetValue("FontName")->ToString(), "Liberation Serif");
    EXPECT_EQ(*main_->StoredSettings().GetValue("LastLeft")->ToInteger(), -1);
}

TEST_F(EntryJourneyTest, ANewDiaryIsSealedUnlessTheUserUnchecksTheChoice)
{
    Start();
    EXPECT_FALSE(SealCheck()->isVisible());
    StartNewDiary("Vault", "pass");
    ASSERT_TRUE(SealCheck()->isVisible());
    EXPECT_TRUE(SealCheck()->isChecked());

    dialogs_.AnswerText(QStringLiteral("pass"));
    Click(Next());
    ASSERT_TRUE(Closed());
    EXPECT_EQ(session_->Format(), DiaryFormat::Sealed);
    EXPECT_TRUE(session_->Lock().Key->DerivedFrom("pass"));

    Start();
    StartNewDiary("Open", "pass");
    SealCheck()->setChecked(false);
    Click(Back());
    EXPECT_FALSE(SealCheck()->isVisible());
    StartNewDiary("Open", "pass");
    EXPECT_FALSE(SealCheck()->isChecked()) << "the choice is kept while the window is open";
    dialogs_.AnswerText(QStringLiteral("pass"));
    Click(Next());
    ASSERT_TRUE(Closed());
    EXPECT_EQ(session_->Format(), DiaryFormat::Plain);
}

TEST_F(EntryJourneyTest, ASealedDiaryOpensWithItsPasswordOnly)
{
    ASSERT_TRUE(SaveDiaryFile(PathOf("default.dry"), Records, SealedLock("secret", CheapestKdf)).Ok());
    Start();
    TypePassword("Secret");
    Click(Next());
    EXPECT_EQ(dialogs_.Messages(), std::vector<QString>{"Password is incorrect!"});
    ExpectStepZero();
    TypePassword("secret");
    Click(Next());
    ASSERT_TRUE(Closed());
    EXPECT_EQ(session_->Text().Lines(), Records);
    EXPECT_EQ(session_->Format(), DiaryFormat::Sealed);
}
