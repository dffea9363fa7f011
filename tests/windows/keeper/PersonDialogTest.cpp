// The entry dialog: its lists, the unknown year, validation, the zodiac and focus colouring.
#include "KeeperTesting.h"

#include "model/birthdays/BirthDate.h"
#include "windows/keeper/NotesEdit.h"
#include "windows/keeper/PersonDialog.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SkinButton.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace birthdays;
using calendar::EncodeDate;
using keeper_test::KeeperTest;

namespace {

class EntryDialogTest : public KeeperTest {
protected:
    void Open(BirthdayEntry& entry, double date)
    {
        dialog = std::make_unique<PersonDialog>(nullptr, *services);
        dialog->Open(entry, date);
        dialog->show();
        QApplication::processEvents();
    }

    void Choose(QComboBox* list, const QString& item)
    {
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
    }

    std::unique_ptr<PersonDialog> dialog;
    BirthdayEntry scratch;
};

} // namespace

TEST_F(EntryDialogTest, ListsOfferMonthsDaysAndYearsWithTheUnknownYearFirst)
{
    services.SetToday({2001, 6, 1});
    Open(scratch, 0);
    EXPECT_EQ(dialog->size(), QSize(332, 193));
    ASSERT_EQ(dialog->cbMonth->count(), 12);
    EXPECT_EQ(dialog->cbMonth->itemText(0), "Jan");
    EXPECT_EQ(dialog->cbMonth->itemText(11), "Dec");
    EXPECT_EQ(dialog->cbMonth->maxVisibleItems(), 13);
    ASSERT_EQ(dialog->cbDay->count(), 31);
    EXPECT_EQ(dialog->cbDay->itemText(0), "01");
    EXPECT_EQ(dialog->cbDay->itemText(30), "31");
    EXPECT_EQ(dialog->cbYear->itemText(0), "?");
    EXPECT_EQ(dialog->cbYear->itemText(1), "2004"); // the current year, but at least 2004
    EXPECT_EQ(dialog->cbYear->itemText(dialog->cbYear->count() - 1), "1900");
    for (QComboBox* list : {dialog->cbMonth, dialog->cbDay, dialog->cbYear})
        EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(dialog->lblZodiac->text(), "");
}

TEST_F(EntryDialogTest, ANameAndARealDateAreRequired)
{
    Open(scratch, EncodeDate(2003, 2, 28));
    dialog->edtFullName->setText("   ");
    dialog->BtnOkClick();
    EXPECT_EQ(services.dialogs.Messages().back(), "Please enter a name for this person");
    EXPECT_EQ(services.dialogs.Asked().back().Icon, widgets::MsgIcon::Error);
    EXPECT_EQ(QApplication::focusWidget(), dialog->edtFullName);
    EXPECT_TRUE(dialog->isVisible());

    dialog->edtFullName->setText("  Ann Lee ");
    Choose(dialog->cbDay, "29");
    dialog->BtnOkClick();
    EXPECT_EQ(services.dialogs.Messages().back(), "Please enter a valid birth date for this person");
    EXPECT_EQ(QApplication::focusWidget(), dialog->cbDay);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(scratch.FullName(), "");

    Choose(dialog->cbYear, "?");
    EXPECT_EQ(dialog->lblZodiac->text(), "Pisces");
    dialog->edtNotes->setPlainText("first line\nsecond ");
    dialog->BtnOkClick();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(scratch.FullName(), "Ann Lee");
    EXPECT_EQ(scratch.BirthDate(), EncodeDate(UnknownYear, 2, 29));
    EXPECT_EQ(scratch.Notes(), "first line\r\nsecond ");
}

TEST_F(EntryDialogTest, AYearOutsideTheListIsShownAsNoneAndStoredAsUnknown)
{
    scratch.SetFullName("Old");
    Open(scratch, EncodeDate(1850, 7, 4));
    EXPECT_EQ(dialog->cbYear->currentIndex(), -1);
    EXPECT_EQ(dialog->cbMonth->currentText(), "Jul");
    EXPECT_EQ(dialog->cbDay->currentText(), "04");
    dialog->edtFullName->setText("Old");
    dialog->BtnOkClick();
    EXPECT_EQ(scratch.BirthDate(), EncodeDate(UnknownYear, 7, 4));

    Open(scratch, EncodeDate(UnknownYear, 7, 4));
    EXPECT_EQ(dialog->cbYear->currentText(), "?");
    Open(scratch, EncodeDate(1987, 7, 4));
    EXPECT_EQ(dialog->cbYear->currentText(), "1987");
}

TEST_F(EntryDialogTest, TheZodiacFollowsTheListsAndKeepsItsLastPictureWhenTheDateIsInvalid)
{
    Open(scratch, EncodeDate(1990, 1, 1));
    EXPECT_EQ(dialog->lblZodiac->text(), "Capricorn");
    const QImage capricorn = dialog->imgZodiac->pixmap().toImage();
    EXPECT_EQ(capricorn.size(), QSize(35, 35));
    EXPECT_EQ(capricorn, dialog->ilZodiac[9].copy(0, 0, 35, 35).convertToFormat(capricorn.format()));

    Choose(dialog->cbDay, "20");
    EXPECT_EQ(dialog->lblZodiac->text(), "Aquarius");
    Choose(dialog->cbDay, "31");
    EXPECT_EQ(dialog->lblZodiac->text(), "Aquarius");
    Choose(dialog->cbMonth, "Feb");
    EXPECT_EQ(dialog->lblZodiac->text(), "");
    EXPECT_EQ(dialog->imgZodiac->pixmap().toImage(),
              dialog->ilZodiac[10].copy(0, 0, 35, 35).convertToFormat(capricorn.format()));
    for (const QImage& picture : dialog->ilZodiac)
        EXPECT_EQ(picture.size(), QSize(38, 35));
}

TEST_F(EntryDialogTest, FocusedFieldsAndTheirLabelsAreColoured)
{
    Open(scratch, 0);
    dialog->activateWindow();
    const QColor focused(0xF4, 0xF4, 0xFF);
    dialog->cbDay->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog->cbDay->palette().color(QPalette::Base), focused);
    EXPECT_EQ(dialog->lblDateOfBirth->palette().color(QPalette::WindowText), QColor(Qt::blue));
    dialog->edtNotes->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog->cbDay->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(dialog->lblDateOfBirth->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(dialog->edtNotes->palette().color(QPalette::Base), focused);
    EXPECT_EQ(dialog->lblNotes->palette().color(QPalette::WindowText), QColor(Qt::blue));
    dialog->edtFullName->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog->edtFullName->palette().color(QPalette::Base), focused);
    EXPECT_EQ(dialog->lblName->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(dialog->lblNotes->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(EntryDialogTest, EscapeCancelsExceptInsideADateList)
{
    Open(scratch, EncodeDate(1990, 5, 5));
    dialog->activateWindow();
    dialog->cbMonth->setFocus();
    QTest::keyClick(dialog->cbMonth, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    dialog->edtFullName->setFocus();
    dialog->edtFullName->setText("Changed");
    QTest::keyClick(dialog->edtFullName, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(scratch.FullName(), "");
}

TEST_F(EntryDialogTest, NotesRefuseWhatTheCodePageCannotHoldOrWhatIsTooLong)
{
    Open(scratch, 0);
    dialog->edtNotes->setPlainText("ok");
    dialog->edtNotes->setPlainText("ok \u03b1");
    EXPECT_EQ(dialog->edtNotes->toPlainText(), "ok");
    dialog->edtNotes->setPlainText(QString(100, 'n'));
    dialog->edtNotes->setPlainText(QString(99, 'n') + "\nn");
    EXPECT_EQ(dialog->edtNotes->toPlainText(), QString(100, 'n'));
    // Notes stored longer already stay, and may be shortened.
    dialog->edtNotes->SetNotes(std::string(300, 'x'));
    dialog->edtNotes->setPlainText(QString(299, 'x'));
    EXPECT_EQ(dialog->edtNotes->Notes(), std::string(299, 'x'));
}
