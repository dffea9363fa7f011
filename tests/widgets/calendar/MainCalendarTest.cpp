#include "widgets/calendar/MainCalendar.h"

#include "CalendarWidgets.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <map>
#include <vector>

using namespace calendar;
using namespace calendartest;

namespace {

// The main window's calendar: 209 x 139 without a border, 14 May 2024 selected (May 2024
// starts on a Wednesday: the 1st is in column 3 of row 1, the 14th in column 2 of row 3).
class MainCalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        calendar.SetBorder(widgets::GridBorder::None);
        calendar.SetColor(0xF2FFFF);
        calendar.SetCalendarDate({2024, 5, 14});
        calendar.OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, &calendar);
            changes.push_back(calendar.CalendarDate());
        };
        ShowAt(calendar, 209, 139);
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
        calendar.OnDrawCalendarCell = [&](QObject*, QPainter&, int col, int row, const QRect&,
                                          widgets::CellStates, const QString& text, DayState state) {
            drawn.Cells[{col, row}] = {text, state};
        };
        Render(calendar);
        calendar.OnDrawCalendarCell = nullptr;
        return drawn;
    }

    EnglishNames names;
    MainCalendar calendar;
    std::vector<Date> changes;
};

} // namespace

TEST_F(MainCalendarTest, SevenBySevenCellsFillTheControl)
{
    EXPECT_EQ(calendar.ColWidth(0), 29);  // (209 - 6) / 7
    EXPECT_EQ(calendar.RowHeight(0), 19); // (139 - 6) / 7
    EXPECT_EQ(calendar.CellRect(1, 1), QRect(30, 20, 29, 19));
    EXPECT_EQ(calendar.CellRect(6, 6).bottomRight(), QPoint(208, 138));

    calendar.resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(calendar.ColWidth(6), 42);
    EXPECT_EQ(calendar.RowHeight(6), 27);
}

TEST_F(MainCalendarTest, HeaderShowsTheLocalesDayNamesFromTheStartOfTheWeek)
{
    auto cells = Draw();
    EXPECT_EQ(cells.Text(0, 0), "Sun");
    EXPECT_EQ(cells.Text(6, 0), "Sat");
    EXPECT_EQ(cells.Text(3, 1), "1");
    EXPECT_EQ(cells.Text(2, 1), "");
    EXPECT_EQ(cells.Cells.size(), 49u); // every cell, header and empty ones included

    calendar.SetStartOfWeek(1);
    cells = Draw();
    EXPECT_EQ(cells.Text(0, 0), "Mon");
    EXPECT_EQ(cells.Text(6, 0), "Sun");
    EXPECT_EQ(cells.Text(2, 1), "1");

    calendar.SetUltraShort(true);
    cells = Draw();
    EXPECT_EQ(cells.Text(1, 0), "T");
    EXPECT_EQ(cells.Text(3, 0), "T"); // Tuesday and Thursday look alike
}

TEST_F(MainCalendarTest, ClicksOnHeaderAndEmptyCellsChangeNothing)
{
    ClickCell(calendar, 3, 0);
    ClickCell(calendar, 0, 1);
    ClickCell(calendar, 6, 5);
    ClickCell(calendar, 2, 3); // the selected day itself
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(calendar.Col(), 2);
    EXPECT_EQ(calendar.Row(), 3);

    ClickCell(calendar, 5, 5);
    EXPECT_EQ(changes, (std::vector<Date>{{2024, 5, 31}}));
    EXPECT_EQ(calendar.Col(), 5);
    EXPECT_FALSE(calendar.UseCurrentDate());
}

TEST_F(MainCalendarTest, ReadOnlyKeepsTheUserFromSelecting)
{
    calendar.SetReadOnly(true);
    ClickCell(calendar, 5, 5);
    QTest::keyClick(&calendar, Qt::Key_Right);
    EXPECT_TRUE(changes.empty());
    calendar.NextMonth();
    EXPECT_EQ(changes, (std::vector<Date>{{2024, 6, 14}}));
}

TEST_F(MainCalendarTest, ArrowKeysMoveThroughTheDays)
{
    calendar.setFocus();
    QTest::keyClick(&calendar, Qt::Key_Right);
    QTest::keyClick(&calendar, Qt::Key_Down);
    QTest::keyClick(&calendar, Qt::Key_Home);
    EXPECT_EQ(changes, (std::vector<Date>{{2024, 5, 15}, {2024, 5, 22}, {2024, 5, 19}}));

    QTest::keyClick(&calendar, Qt::Key_Down);
    QTest::keyClick(&calendar, Qt::Key_Down);  // row 6 is empty in May 2024: refused
    QTest::keyClick(&calendar, Qt::Key_Right); // the 27th
    QTest::keyClick(&calendar, Qt::Key_End);   // column 6 of row 5 is empty: refused
    EXPECT_EQ(calendar.CalendarDate(), (Date{2024, 5, 27}));

    QTest::keyClick(&calendar, Qt::Key_PageUp); // row 1, column 1 is empty: refused
    QTest::keyClick(&calendar, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(calendar.CalendarDate(), (Date{2024, 5, 28}));
    QTest::keyClick(&calendar, Qt::Key_Home, Qt::ControlModifier); // column 0 of row 1 is empty
    EXPECT_EQ(calendar.CalendarDate(), (Date{2024, 5, 28}));
    QTest::keyClick(&calendar, Qt::Key_PageUp);
    EXPECT_EQ(calendar.CalendarDate(), (Date{2024, 5, 28}));
    calendar.SetCalendarDate({2024, 5, 4});
    changes.clear();
    QTest::keyClick(&calendar, Qt::Key_Up); // already in the first week row: not even a click
    QTest::keyClick(&calendar, Qt::Key_Left);
    EXPECT_EQ(changes, (std::vector<Date>{{2024, 5, 3}}));
}

TEST_F(MainCalendarTest, ActiveAndSpecialDaysTakeTheirColours)
{
    calendar.SetActiveColor(clRed);
    calendar.SetActiveBGColor(0xFFDFDF);
    calendar.SetActiveDays("5,6,14,");
    calendar.SetSpecialDays("6");
    const QImage image = Render(calendar);
    const QColor activeBackground(0xDF, 0xDF, 0xFF);
    const QRect fifth = calendar.CellRect(0, 2); // the 5th
    EXPECT_EQ(image.pixelColor(fifth.topLeft() + QPoint(1, 1)), activeBackground);
    EXPECT_TRUE(HasPixel(image, fifth, Qt::red));
    EXPECT_FALSE(HasPixel(image, calendar.CellRect(0, 3), Qt::red)); // the 12th is not active

    EXPECT_EQ(image.pixelColor(calendar.CellRect(1, 2).topLeft() + QPoint(1, 1)),
              QColor(Qt::yellow)); // 6th special
    const QColor highlight = calendar.palette().color(QPalette::Highlight);
    EXPECT_EQ(image.pixelColor(calendar.CellRect(2, 3).topLeft() + QPoint(2, 2)), highlight); // selected 14th
    EXPECT_EQ(image.pixelColor(calendar.CellRect(0, 1).topLeft() + QPoint(1, 1)), QColor(0xFF, 0xFF, 0xF2));
}

TEST_F(MainCalendarTest, AnEmptyListElementMarksEmptyCellsWithoutPaintingThem)
{
    calendar.SetActiveDays("");
    const auto cells = Draw();
    EXPECT_EQ(cells.State(0, 1), dsActive);
    EXPECT_EQ(cells.State(4, 1), dsNormal);
    EXPECT_EQ(Render(calendar).pixelColor(calendar.CellRect(0, 1).center()), QColor(0xFF, 0xFF, 0xF2));
}

TEST_F(MainCalendarTest, DayNumbersAreCentredInTheirCells)
{
    const QImage image = Render(calendar);
    const QColor background(0xFF, 0xFF, 0xF2);
    for (const auto& [col, row] : std::vector<std::pair<int, int>>{{3, 1}, {4, 5}, {5, 5}}) {
        const QRect cell = calendar.CellRect(col, row);
        const auto ink = TextBox(image, cell, background);
        ASSERT_TRUE(ink) << col << "," << row;
        EXPECT_LE(std::abs(ink->center().x() - cell.center().x()), 1) << col << "," << row;
        EXPECT_LE(std::abs(ink->center().y() - cell.center().y()), 2) << col << "," << row;
    }
}

TEST_F(MainCalendarTest, DrawHandlerPaintsOverTheDefaultDrawing)
{
    calendar.OnDrawCalendarCell = [](QObject*, QPainter& canvas, int col, int row, const QRect& rect,
                                     widgets::CellStates state, const QString&, DayState) {
        if (col == 3 && row == 1) {
            EXPECT_FALSE(state);
            canvas.fillRect(rect, Qt::green);
        }
    };
    const QImage image = Render(calendar);
    EXPECT_EQ(image.pixelColor(calendar.CellRect(3, 1).center()), QColor(Qt::green));
}
