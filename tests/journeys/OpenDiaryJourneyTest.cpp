// The diary selection window at the program's start: the diaries offered, opening one with its
// password, naming a new one, and what the main window stores of the choice.
#include "JourneyTest.h"

#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SpeedButton.h"
#include "windows/selection/PictureComboBox.h"

#include <QCheckBox>
#include <QLabel>

using namespace base::text;
using namespace formats::diary;
using namespace widgets::controls;
using namespace widgets::dialogs;
using namespace windows::selection;

using namespace testing_support;

namespace {

const QString NewDiaryText = QStringLiteral(
    "You are about to create a new diary. You will be asked for a diary name and a secret password.");
const LineList Records{"202401150Winter@@{\\rtf1 cold}", "202402290Leap@@{\\rtf1 rare}"};
const LineList BackupRecords{"202312240Eve@@{\\rtf1 from the backup}"};

class EntryJourneyTest : public journeys::JourneyTest {
protected:
    void Diary(const std::string& name, const LineList& lines = Records) { JourneyTest::Diary(name, lines, "secret"); }
    std::string FileOf(const std::string& name) const { return PathOf(name).string(); }

    // Ends the run first: a running main window writes its own settings when it ends.
    void RememberLastDiary(const std::string& name)
    {
        entry_.reset();
        main_.reset();
        testing_support::WriteMainSettings(services_.SettingsFile(), "\"LastDiaryName\"=\"" + name + "\"\r\n");
    }

    PictureComboBox* List() const { return &Child<PictureComboBox>(*entry_, "diaryList"); }
    FlatEdit* NameEdit() const { return &Child<FlatEdit>(*entry_, "diaryNameEdit"); }
    FlatEdit* PasswordEdit() const { return &Child<FlatEdit>(*entry_, "passwordEdit"); }
    SpeedButton* Next() const { return &Child<SpeedButton>(*entry_, "nextButton"); }
    SpeedButton* Back() const { return &Child<SpeedButton>(*entry_, "backButton"); }
    QString PasswordLabel() const { return Child<QLabel>(*entry_, "passwordLabel").text(); }
    QCheckBox* SealCheck() const { return &Child<QCheckBox>(*entry_, "sealCheck"); }
    void Click(SpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool Closed() const { return !entry_->isVisible(); }

    void TypePassword(const QString& password)
    {
        PasswordEdit()->setFocus();
        PasswordEdit()->clear();
        QTest::keyClicks(PasswordEdit(), password);
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

    // The session's diary and backup file, password and whether it is new, as one line.
    std::string Opened() const
    {
        return session_->DiaryFile() + " " + session_->BackupFile() + " '" + session_->Password() + "'" +
               (session_->Diary.NewDiary ? " new" : "");
    }

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

    ScriptedDialogs& dialogs_ = services_.dialogs;
};

} // namespace


TEST_F(EntryJourneyTest, TheDiaryLastOpenedIsPreselectedWhateverItsLetterCase)
{
    Diary("default.dry");
    Diary("My Diary.dry");
    Diary("a.b.dry");
    WriteBytes(services_.folder / "notes.txt", "not a diary");
    std::filesystem::create_directory(services_.folder / "sub");
    Diary("sub/hidden.dry");
    StartSelection();
    EXPECT_EQ(Items(), (std::vector<QString>{"* New Diary *", "a", "default", "My Diary"}));
    EXPECT_EQ(List()->currentText(), "default") << "the stored default is default.dry";
    EXPECT_TRUE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordLabel(), "Type in your password:");

    RememberLastDiary("MY DIARY.DRY");
    StartSelection();
    EXPECT_EQ(List()->currentText(), "My Diary");

    RememberLastDiary("gone.dry");
    StartSelection();
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_FALSE(PasswordEdit()->isVisible());
}


TEST_F(EntryJourneyTest, AWrongPasswordIsToldAndTheUserMayRetype)
{
    Diary("default.dry");
    Diary("Other.dry");
    Diary("Other.bkd", BackupRecords); // never tried for a wrong password
    StartSelection();
    Choose("Other");
    TypePassword("Secret");
    Click(Next());
    ASSERT_EQ(dialogs_.Messages(), std::vector<QString>{"Password is incorrect!"});
    EXPECT_EQ(dialogs_.Asked()[0].Caption, "The Daybrook");
    ExpectStepZero();
    EXPECT_EQ(List()->currentText(), "Other") << "the same selection";

    TypePassword("secret");
    Click(Next());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(session_->Text().Lines(), Records);
}


TEST_F(EntryJourneyTest, ANewDiaryNeedsANameNotTakenAndTheSamePasswordTwice)
{
    Diary("Notes.dry");
    RememberLastDiary("none");
    StartSelection();
    Choose("* New Diary *");
    Click(Next());
    EXPECT_EQ(NameEdit()->text(), "My Diary");
    EXPECT_FALSE(List()->isVisible());
    EXPECT_TRUE(NameEdit()->hasFocus());

    // The name, whether the password is asked again and what is typed then (nothing: cancelled),
    // and what the user is told last; another letter case is the same diary.
    const std::vector<std::tuple<QString, bool, std::optional<QString>, QString>> refusals{
        {"   ", false, {}, "Diary name cannot be blank"},
        {"notes", false, {}, "Diary Already Exists"},
        {"Travel", true, std::nullopt, "Please retype your password:"},
        {"Travel", true, "Pass", "Passwords do not match"}};
    PasswordEdit()->setText("pass");
    for (const auto& [name, asked, confirmation, told] : refusals) {
        SCOPED_TRACE(told.toStdString());
        NameEdit()->setText(name);
        if (asked)
            dialogs_.AnswerText(confirmation);
        Click(Next());
        EXPECT_EQ(dialogs_.Asked().back().Text, told);
        ExpectStillNaming();
        EXPECT_EQ(NameEdit()->text() + PasswordEdit()->text(), name + "pass");
    }
}


TEST_F(EntryJourneyTest, BackReturnsToTheListKeepingThePasswordAndThenExitsWithoutWritingADiary)
{
    Diary("default.dry");
    const std::string before = ReadBytes(PathOf("default.dry"));
    StartSelection();
    StartNewDiary("Draft", "typed");
    Click(Back());
    ExpectStepZero();
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_FALSE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordLabel(), NewDiaryText);
    EXPECT_EQ(PasswordEdit()->text(), "typed");
    Choose("default");
    EXPECT_TRUE(PasswordEdit()->isVisible());
    EXPECT_EQ(PasswordLabel(), "Type in your password:");

    Choose("* New Diary *");
    Click(Back());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(entry_->result(), QDialog::Rejected);
    entry_.reset();
    main_.reset();
    EXPECT_EQ(ReadBytes(PathOf("default.dry")), before);
}

TEST_F(EntryJourneyTest, EscapeNeitherClosesTheWindowNorLosesTheName)
{
    StartSelection();
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


TEST_F(EntryJourneyTest, AFolderThatCannotBeListedIsTold)
{
    services_.SetProgramFolder(services_.folder / "missing");
    StartSelection();
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_TRUE(dialogs_.Asked()[0].Text.startsWith("The diary folder cannot be read:"));
    EXPECT_EQ(Items(), std::vector<QString>{"* New Diary *"});
}

TEST_F(EntryJourneyTest, TheMainWindowStoresTheDiaryLastOpenedOnItsFirstActivation)
{
    Diary("Travel.dry");
    RememberLastDiary("Travel.dry");
    StartSelection();
    TypePassword("  secret ");
    QTest::keyClick(PasswordEdit(), Qt::Key_Return); // Enter clicks Next
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Opened(), FileOf("Travel.dry") + " " + FileOf("Travel.bkd") + " 'secret'");
    EXPECT_EQ(session_->Text().Lines(), Records);
    EXPECT_EQ(main_->StoredSettings().GetValue("LastDiaryName")->ToString(), "Travel.dry");
    session_->Create("Renamed", "secret"); // as if another diary had been opened
    main_->show();
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
    EXPECT_EQ(main_->StoredSettings().GetValue("LastDiaryName")->ToString(), "Renamed.dry");
    EXPECT_TRUE(main_->ShowsDiary());
    entry_.reset();
    main_.reset();
    const std::string stored = ReadBytes(services_.SettingsFile());
    EXPECT_NE(stored.find("\"LastDiaryName\"=\"Renamed.dry\""), std::string::npos) << stored;
}


TEST_F(EntryJourneyTest, ANewDiaryIsNamedTrimmedWrittenOnlyLaterAndSealedUnlessUnchecked)
{
    StartSelection();
    EXPECT_FALSE(SealCheck()->isVisible());
    StartNewDiary("  Vault ", " pass ");
    EXPECT_TRUE(SealCheck()->isVisible() && SealCheck()->isChecked());
    session_->Text().SetLines({"left over"});
    dialogs_.AnswerText(QStringLiteral("pass  "));
    Click(Next());
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Opened(), FileOf("Vault.dry") + " " + FileOf("Vault.pkd") + " 'pass' new");
    EXPECT_EQ(session_->Text().Count(), 0u);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(services_.folder.Path()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{".~lock.Vault.dry#"}) << "no diary file is written now, only its lock";
    EXPECT_EQ(session_->Format(), DiaryFormat::Sealed);
    EXPECT_TRUE(session_->Lock().Key->DerivedFrom("pass"));

    StartSelection();
    StartNewDiary("Open", "pass");
    SealCheck()->setChecked(false);
    dialogs_.AnswerText(QStringLiteral("pass"));
    Click(Next());
    ASSERT_TRUE(Closed());
    EXPECT_EQ(session_->Format(), DiaryFormat::Plain);
}

