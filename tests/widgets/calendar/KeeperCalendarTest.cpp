#include "widgets/calendar/KeeperCalendar.h"

#include "CalendarWidgets.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>

#include <vector>

using base::dates::Date;
using base::dates::EncodeDate;
using model::calendar::DayState;
using model::look::Blue;
using model::look::White;
using widgets::calendar::DayNameFormat;
using widgets::calendar::KeeperCalendar;
using widgets::calendar::VerticalLayout;
using widgets::controls::CellStates;
using widgets::controls::HorizontalAlignment;

using namespace calendartest;

namespace {

// The birthday keeper's calendar: 778 x 416 with a one-pixel border, 14 May 2024 selected (the
// 1st in column 3 of row 1, the 14th in column 2 of row 3).
class KeeperCalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        calendar_.SetFlat(true);
        calendar_.SetColor(0xC0FFFF);
        calendar_.SetLayout(VerticalLayout::Top);
        calendar_.SetCellBorder(2);
        calendar_.SetDayFormat(DayNameFormat::Long);
        calendar_.SetDefaultHeaderHeight(18);
        calendar_.SetCalendarDate({2024, 5, 14});
        calendar_.OnChange = [this](QObject*) { changes_.push_back(calendar_.CalendarDate()); };
        ShowAt(calendar_, 778, 416);
    }

    QColor Background() const { return QColor(0xFF, 0xFF, 0xC0); }

    EnglishNames names_;
    KeeperCalendar calendar_;
    std::vector<Date> changes_;
};

} // namespace

TEST_F(KeeperCalendarTest, HeaderRowHasItsOwnHeightAndWeekRowsShareTheRest)
{
    EXPECT_EQ(calendar_.ClientSize(), QSize(776, 414));
    EXPECT_EQ(calendar_.ColWidth(0), 110);
    EXPECT_EQ(calendar_.RowHeight(0), 18);
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(calendar_.RowHeight(row), 65) << row;

    calendar_.resize(778, 500); // client height 498: (498 - 18 - 6) / 6 = 79, 0 pixels left over
    QApplication::processEvents();
    EXPECT_EQ(calendar_.RowHeight(0), 18);
    EXPECT_EQ(calendar_.RowHeight(6), 79);

    calendar_.resize(778, 504); // 4 pixels left over below the last row, in the grid's colour
    QApplication::processEvents();
    EXPECT_EQ(calendar_.RowHeight(6), 79);
    const QImage image = Render(calendar_);
    const int lastLine = OnScreen(calendar_, 0, 6).bottom() + 1;
    EXPECT_EQ(image.pixelColor(5, lastLine + 2), Background());

    calendar_.SetDefaultHeaderHeight(30);
    EXPECT_EQ(calendar_.RowHeight(0), 30);
    EXPECT_EQ(calendar_.RowHeight(1), 77); // (502 - 30 - 6) / 6
}

TEST_F(KeeperCalendarTest, RightButtonSelectsADayBeforeTheMenuOpens)
{
    std::vector<Date> seenByMenu;
    calendar_.OnContextPopup = [&](QObject*, QPoint, bool& handled) {
        seenByMenu.push_back(calendar_.CalendarDate());
        handled = true;
    };
    const auto rightClick = [&](int col, int row) {
        const QPoint at = OnScreen(calendar_, col, row).center();
        QTest::mousePress(&calendar_, Qt::RightButton, {}, at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, calendar_.mapToGlobal(at));
        QApplication::sendEvent(&calendar_, &menu);
        QTest::mouseRelease(&calendar_, Qt::RightButton, {}, at);
    };

    rightClick(4, 0); // header
    rightClick(0, 1); // empty
    rightClick(2, 3); // the selected day
    EXPECT_TRUE(changes_.empty());
    rightClick(5, 5); // the 31st
    EXPECT_EQ(changes_, (std::vector<Date>{{2024, 5, 31}}));
    EXPECT_EQ(calendar_.Col(), 5);
    EXPECT_EQ(calendar_.Row(), 5);
    EXPECT_EQ(seenByMenu.back(), (Date{2024, 5, 31}));

    calendar_.SetRightMouseSelect(false);
    rightClick(3, 1);
    calendar_.SetRightMouseSelect(true);
    calendar_.SetReadOnly(true);
    rightClick(3, 1);
    EXPECT_EQ(calendar_.CalendarDate(), (Date{2024, 5, 31}));
}

TEST_F(KeeperCalendarTest, KeyboardMenuReportsNoMousePosition)
{
    QPoint reported;
    calendar_.OnContextPopup = [&](QObject*, QPoint mousePos, bool& handled) {
        reported = mousePos;
        handled = true;
    };
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), calendar_.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&calendar_, &menu);
    EXPECT_EQ(reported, QPoint(-1, -1));
}

TEST_F(KeeperCalendarTest, EmptyCellsTakeColorEmptyOnlyWhenItDiffers)
{
    const QRect empty = OnScreen(calendar_, 0, 1);
    calendar_.SetColorEmpty(calendar_.Color());
    EXPECT_EQ(Render(calendar_).pixelColor(empty.center()), Background());
    calendar_.SetColorEmpty(White);
    EXPECT_EQ(Render(calendar_).pixelColor(empty.center()), QColor(Qt::white));
    EXPECT_EQ(Render(calendar_).pixelColor(OnScreen(calendar_, 4, 1).center()), Background());
}

TEST_F(KeeperCalendarTest, ActiveDaysFillTheirWholeCell)
{
    calendar_.SetActiveBGColor(0x80FFFF);
    calendar_.SetActiveColor(Blue);
    calendar_.SetActiveDays("20");
    const QImage image = Render(calendar_);
    const QRect cell = OnScreen(calendar_, 1, 4);
    EXPECT_EQ(image.pixelColor(cell.bottomRight() - QPoint(1, 1)), QColor(0xFF, 0xFF, 0x80));
    EXPECT_TRUE(HasPixel(image, cell, Qt::blue));
}

TEST_F(KeeperCalendarTest, DayNumbersStandInsideTheCellBorder)
{
    const QRect cell = OnScreen(calendar_, 3, 1); // the 1st
    auto ink = TextBox(Render(calendar_), cell, Background());
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->top(), cell.top() + 2);
    EXPECT_LE(ink->top(), cell.top() + 2 + 4); // the digit's height below the font's ascent
    EXPECT_LE(std::abs(ink->center().x() - cell.center().x()), 1);

    calendar_.SetLayout(VerticalLayout::Bottom);
    calendar_.SetAlignment(HorizontalAlignment::Right);
    ink = TextBox(Render(calendar_), cell, Background());
    ASSERT_TRUE(ink);
    EXPECT_LE(ink->bottom(), cell.bottom() - 2);
    EXPECT_GE(ink->bottom(), cell.bottom() - 2 - 4);
    EXPECT_LE(ink->right(), cell.right() - 2);
    EXPECT_GE(ink->right(), cell.right() - 2 - 2);

    calendar_.SetLayout(VerticalLayout::Center);
    calendar_.SetAlignment(HorizontalAlignment::Left);
    calendar_.SetCellBorder(-5);
    EXPECT_EQ(calendar_.CellBorder(), 0);
    ink = TextBox(Render(calendar_), cell, Background());
    ASSERT_TRUE(ink);
    EXPECT_LE(ink->left(), cell.left() + 2);
    EXPECT_LE(std::abs(ink->center().y() - cell.center().y()), 2);
}

TEST_F(KeeperCalendarTest, HeaderNamesFollowTheDayFormat)
{
    std::vector<QString> header(7);
    calendar_.OnDrawCalendarCell = [&](QObject*, QPainter&, int col, int row, const QRect&, CellStates,
                                       const QString& text, DayState) {
        if (row == 0)
            header[col] = text;
    };
    Render(calendar_);
    EXPECT_EQ(header[0], "Sunday");
    EXPECT_EQ(header[3], "Wednesday");
    calendar_.SetDayFormat(DayNameFormat::UltraShort);
    Render(calendar_);
    EXPECT_EQ(header[3], "W");
    calendar_.SetDayFormat(DayNameFormat::Short);
    Render(calendar_);
    EXPECT_EQ(header[3], "Wed");
}

TEST_F(KeeperCalendarTest, MonthNameAndCellDateFollowTheSelectedMonth)
{
    EXPECT_EQ(calendar_.MonthName(), "May");
    calendar_.SetDay(1);
    calendar_.SetMonth(2);
    EXPECT_EQ(calendar_.MonthName(), "February");
    EXPECT_EQ(calendar_.CellDate(4, 1), EncodeDate(2024, 2, 1)); // February 2024 starts on a Thursday
    EXPECT_EQ(calendar_.CellDate(3, 1), 0.0);
}
