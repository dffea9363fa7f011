#include "widgets/calendar/KeeperCalendar.h"

#include "CalendarWidgets.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>

#include <vector>

using namespace calendar;
using namespace calendartest;

namespace {

// The birthday keeper's calendar: 778 x 416 with a one-pixel border, 14 May 2024 selected (the
// 1st in column 3 of row 1, the 14th in column 2 of row 3).
class KeeperCalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        calendar.SetFlat(true);
        calendar.SetColor(0xC0FFFF);
        calendar.SetLayout(VerticalLayout::Top);
        calendar.SetCellBorder(2);
        calendar.SetDayFormat(DayNameFormat::Long);
        calendar.SetDefaultHeaderHeight(18);
        calendar.SetCalendarDate({2024, 5, 14});
        calendar.OnChange = [this](QObject*) { changes.push_back(calendar.CalendarDate()); };
        ShowAt(calendar, 778, 416);
    }

    QColor Background() const { return QColor(0xFF, 0xFF, 0xC0); }

    EnglishNames names;
    KeeperCalendar calendar;
    std::vector<Date> changes;
};

} // namespace

TEST(KeeperCalendarDefaults, HeaderStartsAtTheGridsRowHeight)
{
    KeeperCalendar calendar;
    EXPECT_EQ(calendar.DefaultHeaderHeight(), 24);
    EXPECT_EQ(calendar.ColorEmpty(), calendar.Color());
    EXPECT_EQ(calendar.Alignment(), widgets::HorizontalAlignment::Center);
    EXPECT_EQ(calendar.Layout(), VerticalLayout::Center);
    EXPECT_EQ(calendar.DayFormat(), DayNameFormat::Short);
    EXPECT_TRUE(calendar.RightMouseSelect());
    EXPECT_TRUE(calendar.UseCurrentDate());
    EXPECT_EQ(calendar.CalendarDate(), LocalToday());
}

TEST_F(KeeperCalendarTest, HeaderRowHasItsOwnHeightAndWeekRowsShareTheRest)
{
    EXPECT_EQ(calendar.ClientSize(), QSize(776, 414));
    EXPECT_EQ(calendar.ColWidth(0), 110);
    EXPECT_EQ(calendar.RowHeight(0), 18);
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(calendar.RowHeight(row), 65) << row;

    calendar.resize(778, 500); // client height 498: (498 - 18 - 6) / 6 = 79, 0 pixels left over
    QApplication::processEvents();
    EXPECT_EQ(calendar.RowHeight(0), 18);
    EXPECT_EQ(calendar.RowHeight(6), 79);

    calendar.resize(778, 504); // 4 pixels left over below the last row, in the grid's colour
    QApplication::processEvents();
    EXPECT_EQ(calendar.RowHeight(6), 79);
    const QImage image = Render(calendar);
    const int lastLine = OnScreen(calendar, 0, 6).bottom() + 1;
    EXPECT_EQ(image.pixelColor(5, lastLine + 2), Background());

    calendar.SetDefaultHeaderHeight(30);
    EXPECT_EQ(calendar.RowHeight(0), 30);
    EXPECT_EQ(calendar.RowHeight(1), 77); // (502 - 30 - 6) / 6
}

TEST_F(KeeperCalendarTest, RightButtonSelectsADayBeforeTheMenuOpens)
{
    std::vector<Date> seenByMenu;
    calendar.OnContextPopup = [&](QObject*, QPoint, bool& handled) {
        seenByMenu.push_back(calendar.CalendarDate());
        handled = true;
    };
    const auto rightClick = [&](int col, int row) {
        const QPoint at = OnScreen(calendar, col, row).center();
        QTest::mousePress(&calendar, Qt::RightButton, {}, at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, calendar.mapToGlobal(at));
        QApplication::sendEvent(&calendar, &menu);
        QTest::mouseRelease(&calendar, Qt::RightButton, {}, at);
    };

    rightClick(4, 0); // header
    rightClick(0, 1); // empty
    rightClick(2, 3); // the selected day
    EXPECT_TRUE(changes.empty());
    rightClick(5, 5); // the 31st
    EXPECT_EQ(changes, (std::vector<Date>{{2024, 5, 31}}));
    EXPECT_EQ(calendar.Col(), 5);
    EXPECT_EQ(calendar.Row(), 5);
    EXPECT_EQ(seenByMenu.back(), (Date{2024, 5, 31}));

    calendar.SetRightMouseSelect(false);
    rightClick(3, 1);
    calendar.SetRightMouseSelect(true);
    calendar.SetReadOnly(true);
    rightClick(3, 1);
    EXPECT_EQ(calendar.CalendarDate(), (Date{2024, 5, 31}));
}

TEST_F(KeeperCalendarTest, KeyboardMenuReportsNoMousePosition)
{
    QPoint reported;
    calendar.OnContextPopup = [&](QObject*, QPoint mousePos, bool& handled) {
        reported = mousePos;
        handled = true;
    };
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), calendar.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&calendar, &menu);
    EXPECT_EQ(reported, QPoint(-1, -1));
}

TEST_F(KeeperCalendarTest, EmptyCellsTakeColorEmptyOnlyWhenItDiffers)
{
    const QRect empty = OnScreen(calendar, 0, 1);
    calendar.SetColorEmpty(calendar.Color());
    EXPECT_EQ(Render(calendar).pixelColor(empty.center()), Background());
    calendar.SetColorEmpty(clWhite);
    EXPECT_EQ(Render(calendar).pixelColor(empty.center()), QColor(Qt::white));
    EXPECT_EQ(Render(calendar).pixelColor(OnScreen(calendar, 4, 1).center()), Background());
}

TEST_F(KeeperCalendarTest, ActiveDaysFillTheirWholeCell)
{
    calendar.SetActiveBGColor(0x80FFFF);
    calendar.SetActiveColor(clBlue);
    calendar.SetActiveDays("20");
    const QImage image = Render(calendar);
    const QRect cell = OnScreen(calendar, 1, 4);
    EXPECT_EQ(image.pixelColor(cell.bottomRight() - QPoint(1, 1)), QColor(0xFF, 0xFF, 0x80));
    EXPECT_TRUE(HasPixel(image, cell, Qt::blue));
}

TEST_F(KeeperCalendarTest, DayNumbersStandInsideTheCellBorder)
{
    const QRect cell = OnScreen(calendar, 3, 1); // the 1st
    auto ink = TextBox(Render(calendar), cell, Background());
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->top(), cell.top() + 2);
    EXPECT_LE(ink->top(), cell.top() + 2 + 4); // the digit's height below the font's ascent
    EXPECT_LE(std::abs(ink->center().x() - cell.center().x()), 1);

    calendar.SetLayout(VerticalLayout::Bottom);
    calendar.SetAlignment(widgets::HorizontalAlignment::Right);
    ink = TextBox(Render(calendar), cell, Background());
    ASSERT_TRUE(ink);
    EXPECT_LE(ink->bottom(), cell.bottom() - 2);
    EXPECT_GE(ink->bottom(), cell.bottom() - 2 - 4);
    EXPECT_LE(ink->right(), cell.right() - 2);
    EXPECT_GE(ink->right(), cell.right() - 2 - 2);

    calendar.SetLayout(VerticalLayout::Center);
    calendar.SetAlignment(widgets::HorizontalAlignment::Left);
    calendar.SetCellBorder(-5);
    EXPECT_EQ(calendar.CellBorder(), 0);
    ink = TextBox(Render(calendar), cell, Background());
    ASSERT_TRUE(ink);
    EXPECT_LE(ink->left(), cell.left() + 2);
    EXPECT_LE(std::abs(ink->center().y() - cell.center().y()), 2);
}

TEST_F(KeeperCalendarTest, HeaderNamesFollowTheDayFormat)
{
    std::vector<QString> header(7);
    calendar.OnDrawCalendarCell = [&](QObject*, QPainter&, int col, int row, const QRect&,
                                      widgets::CellStates, const QString& text, DayState) {
        if (row == 0)
            header[col] = text;
    };
    Render(calendar);
    EXPECT_EQ(header[0], "Sunday");
    EXPECT_EQ(header[3], "Wednesday");
    calendar.SetDayFormat(DayNameFormat::UltraShort);
    Render(calendar);
    EXPECT_EQ(header[3], "W");
    calendar.SetDayFormat(DayNameFormat::Short);
    Render(calendar);
    EXPECT_EQ(header[3], "Wed");
}

TEST_F(KeeperCalendarTest, MonthNameAndCellDateFollowTheSelectedMonth)
{
    EXPECT_EQ(calendar.MonthName(), "May");
    calendar.SetDay(1);
    calendar.SetMonth(2);
    EXPECT_EQ(calendar.MonthName(), "February");
    EXPECT_EQ(calendar.CellDate(4, 1), EncodeDate(2024, 2, 1)); // February 2024 starts on a Thursday
    EXPECT_EQ(calendar.CellDate(3, 1), 0.0);
}
