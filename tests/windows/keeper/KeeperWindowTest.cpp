// The keeper window's journeys under the offscreen platform: opening over the working store,
// the status lines, navigation, adding, changing and deleting through the calendar menu,
// backup, restore, clearing and saving on close.
#include "KeeperTesting.h"

#include "windows/keeper/StatusLineLabel.h"
#include "windows/keeper/NotesEdit.h"
#include "windows/keeper/PersonDialog.h"
#include "windows/keeper/KeeperWindow.h"
#include "widgets/calendar/KeeperCalendar.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/SkinButton.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace birthdays;
using calendar::EncodeDate;
using calendar::Date;
using keeper_test::AddPerson;
using keeper_test::KeeperTest;
using keeper_test::WhenModalOpens;
using testing_support::ReadBytes;
using testing_support::VectorPath;
using testing_support::WriteBytes;

namespace {

class KeeperWindowTest : public KeeperTest {
protected:
    void Open()
    {
        keeper = std::make_unique<KeeperWindow>(nullptr, *services);
        keeper->LoadOnce();
        keeper->show();
        QApplication::processEvents();
    }

    void Select(Date date) { keeper->KvCalendar->SetCalendarDate(date); }

    // Opens the calendar menu over the selected day as the window does.
    void PrepareCalendarMenu() { emit keeper->pmCalendar->aboutToShow(); }

    std::vector<QString> VisibleSlots(const std::array<QAction*, 4>& actions) const
    {
        std::vector<QString> captions;
        for (QAction* action : actions)
            if (action->isVisible())
                captions.push_back(action->text());
        return captions;
    }

    QString Names() const
    {
        QString names;
        BirthdayBook& entries = keeper->BDEngine.Entries();
        for (int i = 0; i < entries.Count(); ++i)
            names += QString::fromStdString(entries[i].FullName()) + ";";
        return names;
    }

    void StoreFamily()
    {
        StoreEntries([](BirthdayBook& entries) {
            AddPerson(entries, "Ann", 1980, 3, 12);
            AddPerson(entries, "Bob", 1975, 3, 3);
            AddPerson(entries, "Cid", 1004, 4, 1);
        });
    }

    std::unique_ptr<KeeperWindow> keeper;
};

} // namespace

TEST_F(KeeperWindowTest, OpensAtItsDesignedSizeWithTheCalendarCellsAsDesigned)
{
    Open();
    EXPECT_EQ(keeper->size(), QSize(786, 499));
    EXPECT_EQ(keeper->windowTitle(), " BirthDay Keeper");
    EXPECT_EQ(keeper->KvCalendar->geometry(), QRect(4, 33, 778, 416));
    EXPECT_EQ(keeper->KvCalendar->ColWidth(0), 110);
    EXPECT_EQ(keeper->KvCalendar->RowHeight(0), 18);
    EXPECT_EQ(keeper->KvCalendar->RowHeight(6), 65);
    EXPECT_EQ(keeper->KvHatchPanel1->geometry(), QRect(4, 453, 778, 42));
    EXPECT_EQ(keeper->LblMonthDetails->size(), QSize(695, 16));
    EXPECT_EQ(keeper->lblMonth->text(), "March 2024");
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 3, 15}));
    EXPECT_EQ(keeper->lblStatusTotalEntries->text(), "");
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "");
}

TEST_F(KeeperWindowTest, StatusLinesNameTheShownAndTheFollowingMonth)
{
    StoreFamily();
    Open();
    EXPECT_EQ(keeper->lblStatusTotalEntries->text(), "2/3");
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "This Month: $$!Bob$ ($>3$)  $!Ann$ ($>12$)  ");
    EXPECT_EQ(keeper->LblMonth2Details->Caption(), "Next Month: $Cid$ (1$)  ");
    EXPECT_EQ(keeper->KvCalendar->SpecialDays(), "3,12,");

    QTest::keyClick(keeper->KvCalendar, Qt::Key_PageUp);
    EXPECT_EQ(keeper->lblMonth->text(), "February 2024");
    EXPECT_EQ(keeper->lblStatusTotalEntries->text(), "0/3");
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "This Month: -");
    EXPECT_NE(keeper->LblMonth2Details->Caption().indexOf("Bob"), -1);
    EXPECT_EQ(keeper->KvCalendar->SpecialDays(), "");
}

TEST_F(KeeperWindowTest, NavigationKeysAndButtonsMoveByMonthsAcrossYears)
{
    Open();
    QTest::keyClick(keeper->KvCalendar, Qt::Key_End);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 12, 1}));
    QTest::keyClick(keeper->KvCalendar, Qt::Key_PageDown);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2025, 1, 1}));
    EXPECT_EQ(keeper->lblMonth->text(), "January 2025");
    QTest::keyClick(keeper->KvCalendar, Qt::Key_PageUp);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 12, 1}));
    QTest::keyClick(keeper->KvCalendar, Qt::Key_Home);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 3, 15}));

    Select({2024, 1, 20});
    QTest::mouseClick(keeper->btnPrevMonth, Qt::LeftButton);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2023, 12, 1}));
    QTest::mouseDClick(keeper->lblMonth, Qt::LeftButton);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 1, 1}));
    QTest::mouseClick(keeper->btnNextMonth, Qt::LeftButton);
    EXPECT_EQ(keeper->lblMonth->text(), "February 2024");
    QTest::mouseClick(keeper->btnToday, Qt::LeftButton);
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 3, 15}));
}

TEST_F(KeeperWindowTest, AddChangeAndDeleteThroughTheCalendarMenu)
{
    Open();
    Select({2024, 5, 9});
    PrepareCalendarMenu();
    EXPECT_EQ(keeper->pmoAddEntry->text(), "Add Entry");
    EXPECT_FALSE(keeper->pmoEditEntry->isEnabled());

    WhenModalOpens<PersonDialog>([](PersonDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "New Entry");
        EXPECT_EQ(dialog.cbMonth->currentText(), "May");
        EXPECT_EQ(dialog.cbDay->currentText(), "09");
        EXPECT_EQ(dialog.cbYear->currentIndex(), -1); // the calendar's year is not taken
        dialog.edtFullName->setText("Dana");
        dialog.cbDay->setCurrentIndex(10);
        dialog.edtNotes->setPlainText("likes tea");
        dialog.BtnOkClick();
    });
    keeper->pmoAddEntry->trigger();
    ASSERT_EQ(keeper->BDEngine.Entries().Count(), 1);
    const BirthdayEntry& dana = keeper->BDEngine.Entries()[0];
    EXPECT_EQ(dana.BirthDate(), EncodeDate(1004, 5, 11));
    EXPECT_EQ(dana.Notes(), "likes tea");
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 5, 11}));
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "This Month: $$!Dana$ ($>11$)  ");
    EXPECT_TRUE(keeper->BDEngine.Entries().Modified());

    PrepareCalendarMenu();
    EXPECT_EQ(keeper->pmoAddEntry->text(), "Add More Entries");
    EXPECT_EQ(VisibleSlots(keeper->EditSlots), std::vector<QString>{"Dana"});
    WhenModalOpens<PersonDialog>([](PersonDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Birthday Entry");
        EXPECT_EQ(dialog.edtFullName->text(), "Dana");
        EXPECT_EQ(dialog.cbYear->currentText(), "?");
        dialog.edtFullName->setText("Dana Rose");
        dialog.cbMonth->setCurrentIndex(6); // July
        dialog.BtnOkClick();
    });
    keeper->EditSlots[0]->trigger();
    EXPECT_EQ(dana.FullName(), "Dana Rose");
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2024, 7, 11}));
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "This Month: $$!Dana Rose$ ($>11$)  ");

    PrepareCalendarMenu();
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Cancel);
    keeper->DeleteSlots[0]->trigger();
    EXPECT_EQ(services.dialogs.Messages().back(), "Delete entry \"Dana Rose\"?");
    EXPECT_EQ(keeper->BDEngine.Entries().Count(), 1);
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    keeper->DeleteSlots[0]->trigger();
    EXPECT_EQ(keeper->BDEngine.Entries().Count(), 0);
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "");

    keeper->close();
    EXPECT_EQ(StoredBytes(), BirthdayEntryComponent(Store(), 1252).Stream());
}

TEST_F(KeeperWindowTest, FiveOnOneDayFillTheCellToItsEllipsisAndTheMenuReachesFour)
{
    StoreEntries([](BirthdayBook& entries) {
        for (const char* name : {"One", "Two", "Three", "Four", "Five"})
            AddPerson(entries, name, 1980, 3, 20);
    });
    Open();
    Select({2024, 3, 20});
    PrepareCalendarMenu();
    EXPECT_FALSE(keeper->pmoAddEntry->isEnabled());
    EXPECT_EQ(keeper->pmoAddEntry->text(), "Add More Entries");
    EXPECT_EQ(VisibleSlots(keeper->DeleteSlots), (std::vector<QString>{"One", "Two", "Three", "Four"}));

    // 20 March 2024 is a Wednesday in the fourth week row; the cell shows names, then the dots.
    Select({2024, 3, 1});
    QApplication::processEvents();
    const QImage shown = keeper->KvCalendar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect cell =
        keeper->KvCalendar->CellRect(3, 4).translated(keeper->KvCalendar->contentsRect().topLeft());
    const int height = QFontMetrics(keeper->KvCalendar->font()).height();
    const int x = cell.left() + 4; // left + border - 1, then + border + 1
    int top = cell.top() + 19;
    int names = 0;
    while (top + height - 2 <= cell.bottom() + 1 - 2 - height) {
        top += height;
        ++names;
    }
    top += height;
    const QColor blue(0, 0, 255);
    for (const int dx : {1, 4, 7}) {
        EXPECT_EQ(shown.pixelColor(x + dx, top), blue) << dx;
        EXPECT_EQ(shown.pixelColor(x + dx, top + 1), blue) << dx;
        EXPECT_NE(shown.pixelColor(x + dx + 1, top), blue) << dx;
    }
    EXPECT_GE(names + 1, 3);
}

TEST_F(KeeperWindowTest, BackupAndRestoreMoveTheWholeList)
{
    StoreFamily();
    Open();
    const auto backup = services.folder / "family";
    services.dialogs.AnswerText(QString::fromStdString(backup.string()));
    emit keeper->pmTools->aboutToShow();
    EXPECT_EQ(keeper->pmoClear->text(), "Clear Entire Database (all 3 entries)");
    keeper->pmoBackup->trigger();
    EXPECT_EQ(services.dialogs.Asked().back().Caption, "The Daybrook");
    EXPECT_EQ(services.dialogs.Messages().back(),
              "Backup was successful, 3 entries were \r\nbacked up to file \"family.bbk\"");
    EXPECT_EQ(ReadBytes(services.folder / "family.bbk"), StoredBytes());
    EXPECT_FALSE(keeper->BDEngine.Entries().Modified());

    services.dialogs.AnswerText(QString::fromStdString(VectorPath("birthdays/entries.bbk").string()));
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    keeper->pmoRestore->trigger();
    const auto& asked = services.dialogs.Asked();
    EXPECT_EQ(asked[asked.size() - 3].Kind, widgets::ScriptedDialogs::QuestionKind::OpenFile);
    EXPECT_EQ(asked[asked.size() - 3].Caption, "Open a birthday backup file...");
    EXPECT_EQ(asked[asked.size() - 3].Text, "entries.bbk");
    EXPECT_EQ(asked[asked.size() - 2].Text, "This will overwrite all your current entries. Are you sure?");
    EXPECT_EQ(services.dialogs.Messages().back(), "Restore was successful, 6 entries were restored");
    EXPECT_EQ(keeper->BDEngine.Entries().Count(), 6);
    EXPECT_EQ(keeper->lblStatusTotalEntries->text(), "1/6");
    EXPECT_TRUE(keeper->BDEngine.Entries().Modified());

    keeper->close();
    EXPECT_EQ(StoredBytes(), ReadBytes(VectorPath("birthdays/entries.bbk")));
}

TEST_F(KeeperWindowTest, AFailedRestoreKeepsTheEntriesAndTheProgramRunning)
{
    StoreFamily();
    Open();
    WriteBytes(services.folder / "cut.bbk", ReadBytes(VectorPath("birthdays/entries.bbk")).substr(0, 300));
    services.dialogs.AnswerText(QString::fromStdString((services.folder / "cut.bbk").string()));
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    keeper->pmoRestore->trigger();
    EXPECT_EQ(
        services.dialogs.Messages().back(),
        "The restore operation has failed (Invalid stream format).\r\nYour existing entries are unchanged.");
    EXPECT_EQ(services.dialogs.Asked().back().Icon, widgets::MsgIcon::Error);
    EXPECT_EQ(Names(), "Ann;Bob;Cid;");
    EXPECT_FALSE(keeper->BDEngine.Entries().Modified());
    EXPECT_TRUE(keeper->isVisible());

    // A backup without entries restores nothing, and says so.
    services.dialogs.AnswerText(QString::fromStdString(VectorPath("birthdays/empty.bbk").string()));
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    keeper->pmoRestore->trigger();
    EXPECT_EQ(services.dialogs.Messages().back(),
              "The backup file holds no entries; your existing entries are unchanged.");
    EXPECT_EQ(Names(), "Ann;Bob;Cid;");
    EXPECT_FALSE(keeper->BDEngine.Entries().Modified());

    const std::string stored = StoredBytes();
    keeper->close();
    EXPECT_EQ(StoredBytes(), stored);
}

TEST_F(KeeperWindowTest, ClearingAsksTwiceAndIsSavedOnClose)
{
    StoreFamily();
    Open();
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Cancel);
    keeper->pmoClear->trigger();
    EXPECT_EQ(keeper->BDEngine.Entries().Count(), 3);
    const auto messages = services.dialogs.Messages();
    EXPECT_EQ(messages[messages.size() - 2], "This will clear all your current entries. Are you sure?");
    EXPECT_EQ(messages.back(), "This operation is irreversible. Are you sure?");

    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Ok);
    keeper->pmoClear->trigger();
    EXPECT_EQ(keeper->BDEngine.Entries().Count(), 0);
    EXPECT_EQ(keeper->lblStatusTotalEntries->text(), "");
    emit keeper->pmTools->aboutToShow();
    EXPECT_EQ(keeper->pmoClear->text(), "Clear Entire Database");
    EXPECT_FALSE(keeper->pmoClear->isEnabled());
    EXPECT_FALSE(keeper->pmoBackup->isEnabled());
    keeper->close();
    EXPECT_EQ(StoredBytes(), ReadBytes(VectorPath("birthdays/empty.bbk")));
}

TEST_F(KeeperWindowTest, AListTooLargeForTheStoreKeepsTheWindowOpen)
{
    Open();
    for (int i = 0; i < 1700; ++i)
        AddPerson(keeper->BDEngine.Entries(), "Person " + std::to_string(i), 1980, 1 + i % 12, 1 + i % 28);
    keeper->close();
    EXPECT_TRUE(keeper->isVisible());
    EXPECT_EQ(services.dialogs.Messages().back(),
              "You have to many entries in your database so they cannot\r\n be "
              "saved. Please delete some entries and try to exit again!");
    EXPECT_TRUE(keeper->BDEngine.Entries().Modified());
    EXPECT_EQ(StoredBytes(), "");
    for (int i = 0; i < 300; ++i)
        keeper->BDEngine.Entries().Delete(0);
    keeper->close();
    EXPECT_FALSE(keeper->isVisible());
    EXPECT_NE(StoredBytes(), "");
}

TEST_F(KeeperWindowTest, DamagedStoredDataIsReportedAndNotOverwrittenUnlessChanged)
{
    const std::string damaged = ReadBytes(VectorPath("birthdays/entries.bbk")).substr(0, 0xE0);
    {
        platform::Registry registry(Store());
        ASSERT_TRUE(registry.OpenKey("Software\\Kestrine\\BirthDay", true));
        ASSERT_TRUE(registry.WriteValue("Data", {platform::RegType::Binary, damaged}));
    }
    Open();
    ASSERT_FALSE(services.dialogs.Messages().empty());
    EXPECT_NE(services.dialogs.Messages().back().indexOf("could not be read completely"), -1);
    EXPECT_EQ(Names(), "Anna Berg;Unknown year;");
    keeper->close();
    EXPECT_EQ(StoredBytes(), damaged);
}

TEST_F(KeeperWindowTest, DoubleClickEditsTheOnlyEntryOfADayAndALeapDayShowsAsTheFirstInACommonYear)
{
    StoreEntries([](BirthdayBook& entries) { AddPerson(entries, "Kim", 1980, 3, 5); });
    Open();
    Select({2023, 2, 28});
    keeper->KvCalendarDblClick();
    EXPECT_TRUE(keeper->pmCalendar->isVisible()); // no entry that day: the menu instead
    keeper->pmCalendar->hide();

    Select({2023, 3, 5});
    WhenModalOpens<PersonDialog>([](PersonDialog& dialog) {
        EXPECT_EQ(dialog.edtFullName->text(), "Kim");
        dialog.BtnCancel->Click();
    });
    keeper->KvCalendarDblClick();
    EXPECT_FALSE(keeper->BDEngine.Entries().Modified());

    // Moved to 29 February while the calendar shows a common year.
    PrepareCalendarMenu();
    WhenModalOpens<PersonDialog>([](PersonDialog& dialog) {
        dialog.cbMonth->setCurrentIndex(1);
        dialog.cbDay->setCurrentIndex(28);
        dialog.cbYear->setCurrentIndex(0);
        dialog.BtnOkClick();
    });
    keeper->EditSlots[0]->trigger();
    EXPECT_EQ(keeper->BDEngine.Entries()[0].BirthDate(), EncodeDate(1004, 2, 29));
    EXPECT_EQ(keeper->KvCalendar->CalendarDate(), (Date{2023, 2, 1}));
    EXPECT_TRUE(keeper->BDEngine.Entries().Modified());
}

TEST_F(KeeperWindowTest, ExecuteOpensWithTheCallersCaptionAndColourAndSavesOnExit)
{
    StoreFamily();
    WhenModalOpens<KeeperWindow>([](KeeperWindow& keeper) {
        EXPECT_EQ(keeper.windowTitle(), "The Daybrook : Birthday and anniversary keeper");
        EXPECT_EQ(keeper.palette().color(QPalette::Window), QColor(10, 20, 30));
        EXPECT_EQ(keeper.BDEngine.Entries().Count(), 3);
        keeper.BDEngine.Entries().Delete(0);
        QTest::mouseClick(keeper.btnExit, Qt::LeftButton);
    });
    KeeperWindow::Execute(nullptr, "The Daybrook : Birthday and anniversary keeper", QColor(10, 20, 30),
                        *services);
    BirthdayEntryComponent stored(Store(), 1252);
    ASSERT_TRUE(stored.LoadFromRegistry());
    EXPECT_EQ(stored.Entries().Count(), 2);
}

TEST_F(KeeperWindowTest, AWindowsExportGivenAsTheSettingsFileShowsItsBirthdays)
{
    // What the Windows registry editor writes: UTF-16LE after a byte-order mark.
    std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kestrine\\BirthDay]"
        "\r\n\"Data\"=hex:";
    const std::string bytes = ReadBytes(VectorPath("birthdays/entries.bbk"));
    for (size_t i = 0; i < bytes.size(); ++i)
        text +=
            QString::asprintf(i == 0 ? "%02x" : ",%02x", static_cast<unsigned char>(bytes[i])).toStdString();
    text += "\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n\"CurrentSkin\"=dword:00000002\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : text)
        utf16 += std::string{c, '\0'};
    WriteBytes(services.SettingsFile(), utf16);

    Open();
    Select({2024, 3, 1});
    keeper->RefreshStatus();
    EXPECT_EQ(keeper->BDEngine.Entries().Count(), 6);
    EXPECT_EQ(keeper->LblMonthDetails->Caption(), "This Month: $$!Anna Berg$ ($>21$)  ");
    EXPECT_TRUE(services.dialogs.Messages().empty());
}
