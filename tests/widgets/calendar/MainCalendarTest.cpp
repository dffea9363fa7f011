// The main window's calendar: its header, clicks, keys and the marks of its days.
#include "widgets/calendar/MainCalendar.h"

#include "CalendarWidgets.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QPainter>

#include <map>
#include <vector>

using namespace base::dates;
using namespace model::calendar;
using namespace widgets::calendar;
using namespace widgets::controls;

using namespace calendartest;

namespace {

// The main window's calendar: 209 x 139 without a border, 14 May 2024 selected (May 2024
// starts on a Wednesday: the 1st is in column 3 of row 1, the 14th in column 2 of row 3).
class MainCalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        calendar_.SetBorder(GridBorder::None);
        calendar_.SetColor(0xF2FFFF);
        calendar_.SetCalendarDate({2024, 5, 14});
        calendar_.OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, &calendar_);
            changes_.push_back(calendar_.CalendarDate());
        };
        ShowAt(calendar_, 209, 139);
    }

    // What each cell reported to OnDrawCalendarCell in one repaint.
    struct DrawnCells {
        std::map<std::pair<int, int>, std::pair<QString, DayState>> Cells;
        QString Text(int col, int row) const { return Cells.at({col, row}).first; }
        DayState State(int col, int row) const { return Cells.at({col, row}).second; }
    };
    DrawnCells Draw()
    {
        DrawnCells drawn;
        calendar_.OnDrawCalendarCell = [&](QObject*, QPainter&, int col, int row, const QRect&, CellStates,
                                           const QString& text, DayState state) {
            drawn.Cells[{col, row}] = {text, state};
        };
        Render(calendar_);
        calendar_.OnDrawCalendarCell = nullptr;
        return drawn;
    }

    EnglishNames names_;
    MainCalendar calendar_;
    std::vector<Date> changes_;
};

} // namespace

TEST_F(MainCalendarTest, HeaderShowsTheLocalesDayNamesAndEmptyCellsMayBeMarked)
{
    auto cells = Draw();
    EXPECT_EQ(cells.Text(0, 0) + cells.Text(6, 0) + cells.Text(2, 1) + cells.Text(3, 1), "SunSat1");
    EXPECT_EQ(cells.Cells.size(), 49u); // every cell, header and empty ones included

    calendar_.SetUltraShort(true);
    EXPECT_EQ(Draw().Text(4, 0), "T");
    calendar_.SetActiveDays(""); // an empty list element marks empty cells without painting them
    cells = Draw();
    EXPECT_EQ(cells.State(0, 1), DayState::Active);
    EXPECT_EQ(cells.State(4, 1), DayState::Normal);
    EXPECT_EQ(Render(calendar_).pixelColor(calendar_.CellRect(0, 1).center()), QColor(0xFF, 0xFF, 0xF2));
}

TEST_F(MainCalendarTest, ClicksSelectADayCellOnlyAndReadOnlyLeavesOnlyTheProgramMoving)
{
    ClickCell(calendar_, 3, 0);
    ClickCell(calendar_, 5, 5);
    EXPECT_EQ(changes_, (std::vector<Date>{{2024, 5, 31}})) << "the header is no day";
    EXPECT_EQ(calendar_.Col(), 5);
    EXPECT_FALSE(calendar_.UseCurrentDate());

    calendar_.SetReadOnly(true);
    ClickCell(calendar_, 4, 5);
    QTest::keyClick(&calendar_, Qt::Key_Left);
    calendar_.NextMonth();
    EXPECT_EQ(changes_, (std::vector<Date>{{2024, 5, 31}, {2024, 6, 30}}));
}

TEST_F(MainCalendarTest, ArrowKeysMoveThroughTheDays)
{
    calendar_.setFocus();
    QTest::keyClick(&calendar_, Qt::Key_Right);
    QTest::keyClick(&calendar_, Qt::Key_Down);
    QTest::keyClick(&calendar_, Qt::Key_Home);
    EXPECT_EQ(changes_, (std::vector<Date>{{2024, 5, 15}, {2024, 5, 22}, {2024, 5, 19}}));

    QTest::keyClick(&calendar_, Qt::Key_Down);
    QTest::keyClick(&calendar_, Qt::Key_Down);  // row 6 is empty in May 2024: refused
    QTest::keyClick(&calendar_, Qt::Key_Right); // the 27th
    QTest::keyClick(&calendar_, Qt::Key_End);   // column 6 of row 5 is empty: refused
    EXPECT_EQ(calendar_.CalendarDate(), (Date{2024, 5, 27}));
}


TEST_F(MainCalendarTest, ScreenReadersHearTheDateOfEachDayAndWhetherItsEntryIsWritten)
{
    calendar_.SetActiveDays("3,14");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&calendar_);
    ASSERT_EQ(table->role(), QAccessible::Table);
    ASSERT_EQ(table->childCount(), 7 + 31) << "the header and the days of May; no empty cells";

    QStringList names;
    for (int i = 0; i < table->childCount(); ++i)
        names << table->child(i)->text(QAccessible::Name);
    const QLocale locale;
    EXPECT_EQ(names[0], locale.dayName(7, QLocale::LongFormat)) << "the week starts on Sunday";
    EXPECT_EQ(table->child(0)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(names[7 + 2], locale.toString(QDate(2024, 5, 3), QLocale::LongFormat) + QStringLiteral(", entry written"));
    EXPECT_EQ(names[7 + 3], locale.toString(QDate(2024, 5, 4), QLocale::LongFormat));

    QAccessibleInterface* selected = table->child(7 + 13);
    EXPECT_EQ(selected->role(), QAccessible::Cell);
    EXPECT_TRUE(selected->state().selected) << "14 May is the selected day";
    EXPECT_FALSE(table->child(7 + 2)->state().selected);
    EXPECT_EQ(table->childAt(selected->rect().center().x(), selected->rect().center().y()), selected);
}
