// The entry dialog: its lists, the unknown year, validation, the zodiac and focus colouring.
#include "KeeperTesting.h"

#include "model/birthdays/BirthDate.h"
#include "windows/keeper/NotesEdit.h"
#include "windows/keeper/PersonDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace base::dates;
using namespace model::birthdays;
using namespace widgets::dialogs;
using namespace windows::keeper;

using testing_support::Child;
using namespace keeper_test;

namespace {

class PersonDialogTest : public KeeperTest {
protected:
    // The dialog shown for a person of the list, or for a new one on date.
    void Open(BirthdayEntry& entry, std::optional<double> date = std::nullopt)
    {
        dialog_ = std::make_unique<PersonDialog>(nullptr, *services_);
        if (date)
            dialog_->PrepareNew(entry, *date);
        else
            dialog_->PrepareEdit(entry);
        dialog_->show();
        QApplication::processEvents();
    }

    template <typename T> T& Field(const char* name) const { return Child<T>(*dialog_, name); }
    QComboBox& Month() const { return Field<QComboBox>("monthList"); }
    QComboBox& Day() const { return Field<QComboBox>("dayList"); }
    QComboBox& Year() const { return Field<QComboBox>("yearList"); }
    QLineEdit& Name() const { return Field<QLineEdit>("nameEdit"); }
    NotesEdit& Notes() const { return Field<NotesEdit>("notesEdit"); }
    QString Sign() const { return Field<QLabel>("zodiacLabel").text(); }
    QImage SignPicture() const { return Field<QLabel>("zodiacPicture").pixmap().toImage(); }
    void ClickOk() { QTest::mouseClick(&Field<QWidget>("okButton"), Qt::LeftButton); }

    void TypeName(const QString& name)
    {
        Name().clear();
        QTest::keyClicks(&Name(), name);
    }

    std::unique_ptr<PersonDialog> dialog_;
    BirthdayEntry scratch_;
};

} // namespace

TEST_F(PersonDialogTest, ListsOfferMonthsDaysAndYearsWithTheUnknownYearFirst)
{
    services_.SetToday({2001, 6, 1});
    Open(scratch_, 0.0);
    ASSERT_EQ(Day().count(), 31);
    EXPECT_EQ(Year().itemText(0) + Year().itemText(1) + Year().itemText(Year().count() - 1), "?20041900")
        << "the unknown year, the current year but at least 2004, down to 1900";
    for (QComboBox* list : {&Month(), &Day(), &Year()})
        EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(Sign(), "");
}

TEST_F(PersonDialogTest, ANameAndARealDateAreRequired)
{
    scratch_.SetBirthDate(EncodeDate(2003, 2, 28));
    Open(scratch_);
    TypeName("   ");
    ClickOk();
    EXPECT_EQ(services_.dialogs.Messages().back(), "Please enter a name for this person");
    EXPECT_EQ(QApplication::focusWidget(), &Name());

    TypeName("  Ann Lee ");
    Pick(Day(), "29");
    ClickOk();
    EXPECT_EQ(services_.dialogs.Messages().back(), "Please enter a valid birth date for this person");
    EXPECT_EQ(QApplication::focusWidget(), &Day());
    EXPECT_TRUE(dialog_->isVisible());

    Pick(Year(), "?");
    Notes().setFocus();
    QTest::keyClicks(&Notes(), "first line");
    QTest::keyClick(&Notes(), Qt::Key_Return);
    QTest::keyClicks(&Notes(), "second ");
    ClickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(scratch_.FullName(), "Ann Lee");
    EXPECT_EQ(scratch_.BirthDate(), EncodeDate(UnknownYear, 2, 29));
    EXPECT_EQ(scratch_.Notes(), "first line\r\nsecond ");
}

TEST_F(PersonDialogTest, AYearOutsideTheListIsShownAsNoneAndStoredAsUnknown)
{
    scratch_.SetFullName("Old");
    scratch_.SetBirthDate(EncodeDate(1850, 7, 4));
    Open(scratch_);
    EXPECT_EQ(Year().currentIndex(), -1);
    EXPECT_EQ(Month().currentText(), "Jul");
    EXPECT_EQ(Day().currentText(), "04");
    ClickOk();
    EXPECT_EQ(scratch_.BirthDate(), EncodeDate(UnknownYear, 7, 4));

    scratch_.SetBirthDate(EncodeDate(1987, 7, 4));
    Open(scratch_);
    EXPECT_EQ(Year().currentText(), "1987");
    Open(scratch_, EncodeDate(1987, 7, 4));
    EXPECT_EQ(Year().currentIndex(), -1) << "a new person's year is not chosen for them";
}

TEST_F(PersonDialogTest, TheZodiacFollowsTheListsAndEscapeCancelsExceptInsideADateList)
{
    scratch_.SetBirthDate(EncodeDate(1990, 1, 1));
    Open(scratch_);
    EXPECT_EQ(Sign(), "Capricorn");
    const QImage capricorn = SignPicture();
    const std::vector<QImage>& pictures = dialog_->ZodiacPictures();
    ASSERT_EQ(pictures.size(), 12u);
    EXPECT_EQ(capricorn, pictures[9].copy(0, 0, 35, 35).convertToFormat(capricorn.format()));

    Pick(Day(), "31");
    EXPECT_EQ(Sign(), "Aquarius");
    Pick(Month(), "Feb");
    EXPECT_EQ(Sign(), "");
    EXPECT_EQ(SignPicture(), pictures[10].copy(0, 0, 35, 35).convertToFormat(capricorn.format()));

    Open(scratch_);
    dialog_->activateWindow();
    Month().setFocus();
    QTest::keyClick(&Month(), Qt::Key_Escape);
    EXPECT_TRUE(dialog_->isVisible()) << "Escape inside a date list only closes the list";
    Name().setFocus();
    TypeName("Changed");
    QTest::keyClick(&Name(), Qt::Key_Escape);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(scratch_.FullName(), "");
}


TEST_F(PersonDialogTest, NotesRefuseWhatTheCodePageCannotHoldOrWhatIsTooLong)
{
    Open(scratch_, 0.0);
    NotesEdit& notes = Notes();
    QKeyEvent alpha(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u03b1"));
    QApplication::sendEvent(&notes, &alpha);
    EXPECT_EQ(notes.toPlainText(), "");
    notes.setPlainText(QString(100, 'n'));
    notes.moveCursor(QTextCursor::End);
    QTest::keyClick(&notes, Qt::Key_Return);
    QTest::keyClicks(&notes, "n");
    EXPECT_EQ(notes.toPlainText(), QString(100, 'n'));
    // Notes stored longer already stay, and may be shortened.
    notes.SetNotes(std::string(300, 'x'));
    notes.moveCursor(QTextCursor::End);
    QTest::keyClick(&notes, Qt::Key_Backspace);
    EXPECT_EQ(notes.Notes(), std::string(299, 'x'));
}
