// The keeper window's journeys under the offscreen platform: opening over the working store,
// the status lines, navigation, adding, changing and deleting through the calendar menu,
// backup, restore, clearing and saving on close.
#include "KeeperTesting.h"

#include "widgets/calendar/KeeperCalendar.h"
#include "windows/keeper/KeeperWindow.h"
#include "windows/keeper/PersonDialog.h"
#include "windows/keeper/StatusLineLabel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

using namespace base::dates;
using namespace model::birthdays;
using namespace widgets::calendar;
using namespace widgets::dialogs;
using namespace windows::keeper;

using namespace keeper_test;
using namespace testing_support;

namespace {

class KeeperWindowTest : public KeeperTest {
protected:
    void Open()
    {
        opened_ = std::make_unique<KeeperWindow>(nullptr, *services_);
        keeper_ = opened_.get();
        keeper_->LoadOnce();
        keeper_->show();
        QApplication::processEvents();
    }

    KeeperCalendar& Calendar() const { return Child<KeeperCalendar>(*keeper_, "calendar"); }
    Date Shown() const { return Calendar().CalendarDate(); }
    QString MonthCaption() const { return Child<QLabel>(*keeper_, "monthLabel").text(); }
    QString Counter() const { return Child<QLabel>(*keeper_, "entryCountLabel").text(); }
    QString ThisMonth() const { return Child<StatusLineLabel>(*keeper_, "thisMonthLine").Caption(); }
    QString NextMonth() const { return Child<StatusLineLabel>(*keeper_, "nextMonthLine").Caption(); }

    void Click(const char* button) { QTest::mouseClick(&Child<QWidget>(*keeper_, button), Qt::LeftButton); }
    void Key(Qt::Key key) { QTest::keyClick(&Calendar(), key); }

    QPoint DayCell(int day) const { return testing_support::DayCellCentre(Calendar(), day); }
    void ClickDay(int day) { QTest::mouseClick(&Calendar(), Qt::LeftButton, {}, DayCell(day)); }

    // A double-click on a day; `inDialog` answers the entry dialog it opens.
    void DoubleClickDay(int day, std::function<void(PersonDialog&)> inDialog = {})
    {
        ClickDay(day);
        if (inDialog)
            WhenModalOpens<PersonDialog>(std::move(inDialog));
        QTest::mouseDClick(&Calendar(), Qt::LeftButton, {}, DayCell(day));
    }

    // A right-click: the press selects the day under it, then the calendar menu is asked for.
    QMenu& RightClickDay(int day)
    {
        const QPoint at = DayCell(day);
        QTest::mouseClick(&Calendar(), Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, Calendar().mapToGlobal(at));
        QApplication::sendEvent(&Calendar(), &request);
        QMenu& menu = Child<QMenu>(*keeper_, "calendarMenu");
        EXPECT_TRUE(menu.isVisible());
        return menu;
    }

    QMenu& OpenToolsMenu()
    {
        Click("toolsButton");
        QMenu& menu = Child<QMenu>(*keeper_, "toolsMenu");
        EXPECT_TRUE(menu.isVisible());
        return menu;
    }

    static QAction* Item(const QMenu& menu, const QString& caption)
    {
        for (QAction* action : menu.actions())
            if (action->text() == caption && action->isVisible())
                return action;
        throw std::runtime_error("no item " + caption.toStdString());
    }

    // The captions of a menu's visible items.
    static QStringList Items(const QMenu& menu)
    {
        QStringList captions;
        for (const QAction* action : menu.actions())
            if (action->isVisible() && !action->isSeparator())
                captions << action->text();
        return captions;
    }

    // Clicks a menu item; an item with a submenu opens it, and that submenu is returned.
    QMenu* Choose(QMenu& menu, const QString& caption)
    {
        QAction* action = Item(menu, caption);
        EXPECT_TRUE(action->isEnabled()) << caption.toStdString();
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        if (action->menu() == nullptr)
            return nullptr;
        EXPECT_TRUE(QTest::qWaitFor([action] { return action->menu()->isVisible(); }));
        return action->menu();
    }

    // Restore from the file, answering OK to overwriting the entries.
    void Restore(const std::filesystem::path& file)
    {
        services_.dialogs.AnswerText(QString::fromStdString(file.string()));
        services_.dialogs.AnswerMessage(MsgAnswer::Ok);
        Choose(OpenToolsMenu(), "Restore all Entries from file");
    }

    void DeleteEntry(int day, const QString& name, MsgAnswer answer = MsgAnswer::Ok)
    {
        services_.dialogs.AnswerMessage(answer);
        Choose(*Choose(RightClickDay(day), "Delete entry of"), name);
    }

    // A person's name, month and day entered in the entry dialog, then OK.
    static void Enter(PersonDialog& dialog, const QString& name, const QString& month, const QString& day)
    {
        auto& edit = Child<QLineEdit>(dialog, "nameEdit");
        edit.selectAll();
        QTest::keyClicks(&edit, name);
        if (!month.isEmpty())
            Pick(Child<QComboBox>(dialog, "monthList"), month);
        if (!day.isEmpty())
            Pick(Child<QComboBox>(dialog, "dayList"), day);
        QTest::mouseClick(&Child<QWidget>(dialog, "okButton"), Qt::LeftButton);
    }

    void StoreFamily()
    {
        StoreEntries([](BirthdayBook& entries) {
            AddPerson(entries, "Ann", 1980, 3, 12);
            AddPerson(entries, "Bob", 1975, 3, 3);
            AddPerson(entries, "Cid", 1004, 4, 1);
        });
    }

    std::unique_ptr<KeeperWindow> opened_;
    KeeperWindow* keeper_ = nullptr; // the window the journey is in
};

} // namespace

TEST_F(KeeperWindowTest, StatusLinesNameTheShownAndTheFollowingMonth)
{
    Open();
    EXPECT_EQ(MonthCaption(), "March 2024");
    EXPECT_EQ(Shown(), (Date{2024, 3, 15}));
    EXPECT_EQ(Counter() + ThisMonth(), "") << "an empty list shows no status";
    keeper_->close();

    StoreFamily();
    Open();
    const auto status = [&] {
        return (Counter() + "|" + ThisMonth() + "|" + NextMonth() + "|").toStdString() + Calendar().SpecialDays();
    };
    EXPECT_EQ(status(), "2/3|This Month: $$!Bob$ ($>3$)  $!Ann$ ($>12$)  |Next Month: $Cid$ (1$)  |3,12,");
    Key(Qt::Key_PageUp);
    EXPECT_EQ(status(), "0/3|This Month: -|Next Month: $Bob$ (3$)  Ann$ (12$)  |");
}

TEST_F(KeeperWindowTest, NavigationKeysAndButtonsMoveByMonthsAcrossYears)
{
    Open();
    Key(Qt::Key_End);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Shown(), (Date{2025, 1, 1}));
    EXPECT_EQ(MonthCaption(), "January 2025");
    Key(Qt::Key_Home);
    EXPECT_EQ(Shown(), (Date{2024, 3, 15}));

    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageUp);
    Click("previousMonthButton");
    EXPECT_EQ(Shown(), (Date{2023, 12, 1}));
    QTest::mouseDClick(&Child<QLabel>(*keeper_, "monthLabel"), Qt::LeftButton);
    EXPECT_EQ(Shown(), (Date{2024, 1, 1}));
    Click("nextMonthButton");
    EXPECT_EQ(MonthCaption(), "February 2024");
    Click("todayButton");
    EXPECT_EQ(Shown(), (Date{2024, 3, 15}));
}

TEST_F(KeeperWindowTest, AddChangeAndDeleteThroughTheCalendarMenu)
{
    Open();
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    QMenu* menu = &RightClickDay(9);
    EXPECT_EQ(Shown(), (Date{2024, 5, 9})) << "the right button selects the day";
    EXPECT_FALSE(Item(*menu, "Modify Entry of")->isEnabled());
    WhenModalOpens<PersonDialog>([](PersonDialog& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "monthList").currentText() + Child<QComboBox>(dialog, "dayList").currentText(),
                  "May09");
        QTest::keyClicks(&Child<QPlainTextEdit>(dialog, "notesEdit"), "likes tea");
        Enter(dialog, "Dana", {}, "11");
    });
    Choose(*menu, "Add Entry");
    EXPECT_EQ(Shown(), (Date{2024, 5, 11})) << "the calendar follows the entry";
    EXPECT_EQ(ThisMonth(), "This Month: $$!Dana$ ($>11$)  ");
    keeper_->close();
    EXPECT_EQ(StoredPeople(), "Dana 5/11/1004 likes tea;");

    Open();
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    menu = &RightClickDay(11);
    EXPECT_EQ(Items(*menu).front(), "Add More Entries");
    QMenu* edit = Choose(*menu, "Modify Entry of");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Items(*edit), QStringList{"Dana"});
    WhenModalOpens<PersonDialog>([](PersonDialog& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "nameEdit").text(), "Dana");
        Enter(dialog, "Dana Rose", "Jul", {});
    });
    Choose(*edit, "Dana");
    EXPECT_EQ(Shown(), (Date{2024, 7, 11}));
    EXPECT_EQ(ThisMonth(), "This Month: $$!Dana Rose$ ($>11$)  ");

    DeleteEntry(11, "Dana Rose", MsgAnswer::Cancel);
    EXPECT_EQ(services_.dialogs.Messages().back(), "Delete entry \"Dana Rose\"?");
    EXPECT_EQ(ThisMonth(), "This Month: $$!Dana Rose$ ($>11$)  ");
    DeleteEntry(11, "Dana Rose");
    EXPECT_EQ(ThisMonth(), "");
    keeper_->close();
    EXPECT_EQ(StoredPeople(), "");
    EXPECT_EQ(StoredBytes(), ReadBytes(VectorPath("birthdays/empty.bbk")));
}

TEST_F(KeeperWindowTest, BackupAndRestoreMoveTheWholeListAndKeepUnsavedChanges)
{
    StoreFamily();
    Open();
    DeleteEntry(3, "Bob");
    const auto backup = services_.folder / "family";
    services_.dialogs.AnswerText(QString::fromStdString(backup.string()));
    QMenu& tools = OpenToolsMenu();
    EXPECT_EQ(Items(tools), (QStringList{"Backup all Entries to File", "Restore all Entries from file",
                                         "Clear Entire Database (all 2 entries)"}));
    Choose(tools, "Backup all Entries to File");
    EXPECT_EQ(services_.dialogs.Messages().back(),
              "Backup was successful, 2 entries were \r\nbacked up to file \"family.bbk\"");
    keeper_->close();
    EXPECT_EQ(StoredPeople(), "Ann 3/12/1980;Cid 4/1/1004;") << "the backup does not count as saved";
    EXPECT_EQ(ReadBytes(services_.folder / "family.bbk"), StoredBytes());

    Open();
    Restore(VectorPath("birthdays/entries.bbk"));
    EXPECT_EQ(services_.dialogs.Messages().end()[-2], "This will overwrite all your current entries. Are you sure?");
    EXPECT_EQ(services_.dialogs.Messages().back(), "Restore was successful, 6 entries were restored");
    EXPECT_EQ(Counter(), "1/6");
    keeper_->close();
    EXPECT_EQ(StoredBytes(), ReadBytes(VectorPath("birthdays/entries.bbk")));
}

TEST_F(KeeperWindowTest, AFailedRestoreKeepsTheEntriesAndTheProgramRunning)
{
    StoreFamily();
    const std::string stored = StoredBytes();
    Open();
    WriteBytes(services_.folder / "cut.bbk", ReadBytes(VectorPath("birthdays/entries.bbk")).substr(0, 300));
    Restore(services_.folder / "cut.bbk");
    EXPECT_EQ(
        services_.dialogs.Messages().back(),
        "The restore operation has failed (Invalid stream format).\r\nYour existing entries are unchanged.");
    EXPECT_EQ(services_.dialogs.Asked().back().Icon, MsgIcon::Error);
    EXPECT_EQ(Counter(), "2/3");
    EXPECT_TRUE(keeper_->isVisible());
    Restore(VectorPath("birthdays/empty.bbk"));
    EXPECT_EQ(services_.dialogs.Messages().back(),
              "The backup file holds no entries; your existing entries are unchanged.");
    keeper_->close();
    EXPECT_EQ(StoredBytes(), stored);
}

TEST_F(KeeperWindowTest, ClearingAsksTwiceAndIsSavedOnClose)
{
    StoreFamily();
    Open();
    services_.dialogs.AnswerMessage(MsgAnswer::Ok);
    services_.dialogs.AnswerMessage(MsgAnswer::Cancel);
    Choose(OpenToolsMenu(), "Clear Entire Database (all 3 entries)");
    EXPECT_EQ(Counter(), "2/3");
    const auto messages = services_.dialogs.Messages();
    EXPECT_EQ(messages[messages.size() - 2], "This will clear all your current entries. Are you sure?");
    EXPECT_EQ(messages.back(), "This operation is irreversible. Are you sure?");

    services_.dialogs.AnswerMessage(MsgAnswer::Ok);
    services_.dialogs.AnswerMessage(MsgAnswer::Ok);
    Choose(OpenToolsMenu(), "Clear Entire Database (all 3 entries)");
    EXPECT_EQ(Counter(), "");
    keeper_->close();
    EXPECT_EQ(StoredBytes(), ReadBytes(VectorPath("birthdays/empty.bbk")));
}



TEST_F(KeeperWindowTest, ADoubleClickEditsTheOnlyEntryOfADayOrElseOpensTheMenu)
{
    StoreEntries([](BirthdayBook& entries) { AddPerson(entries, "Kim", 1980, 3, 5); });
    const std::string stored = StoredBytes();
    Open();
    for (int i = 0; i < 13; ++i)
        Key(Qt::Key_PageUp);
    DoubleClickDay(28);
    EXPECT_EQ(Shown(), (Date{2023, 2, 28}));
    QMenu& menu = Child<QMenu>(*keeper_, "calendarMenu");
    EXPECT_TRUE(menu.isVisible()) << "no entry that day: the menu instead";
    menu.close();

    Key(Qt::Key_PageDown);
    DoubleClickDay(5, [](PersonDialog& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "nameEdit").text(), "Kim");
        QTest::mouseClick(&Child<QWidget>(dialog, "cancelButton"), Qt::LeftButton);
    });

    keeper_->close();
    EXPECT_EQ(StoredBytes(), stored) << "nothing changed, nothing written";
}

TEST_F(KeeperWindowTest, ExecuteOpensWithTheCallersCaptionAndColourAndSavesOnExit)
{
    StoreFamily();
    WhenModalOpens<KeeperWindow>([this](KeeperWindow& shown) {
        EXPECT_EQ(shown.windowTitle(), "The Daybrook : Birthday and anniversary keeper");
        keeper_ = &shown;
        DeleteEntry(12, "Ann");
        Click("exitButton");
    });
    KeeperWindow::Execute(nullptr, "The Daybrook : Birthday and anniversary keeper", QColor(10, 20, 30),
                          *services_);
    EXPECT_EQ(StoredPeople(), "Bob 3/3/1975;Cid 4/1/1004;");
}
