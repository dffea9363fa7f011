#include "widgets/calendar/KeeperCalendar.h"

#include "CalendarWidgets.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>

#include <vector>

using namespace base::dates;
using namespace widgets::calendar;

using namespace calendartest;

namespace {

// The birthday keeper's calendar at its size in the keeper, 14 May 2024 selected (the 1st in
// column 3 of row 1, the 14th in column 2 of row 3).
class KeeperCalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        calendar_.SetCalendarDate({2024, 5, 14});
        calendar_.OnChange = [this](QObject*) { changes_.push_back(calendar_.CalendarDate()); };
        ShowAt(calendar_, 778, 416);
    }

    EnglishNames names_;
    KeeperCalendar calendar_;
    std::vector<Date> changes_;
};

} // namespace

TEST_F(KeeperCalendarTest, RightButtonSelectsADayBeforeTheMenuOpensAndTheKeyboardMenuHasNoPosition)
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
    rightClick(2, 3); // the selected day
    EXPECT_TRUE(changes_.empty());
    rightClick(5, 5); // the 31st
    EXPECT_EQ(changes_, (std::vector<Date>{{2024, 5, 31}}));
    EXPECT_EQ(seenByMenu.back(), (Date{2024, 5, 31}));

    calendar_.SetRightMouseSelect(false);
    rightClick(3, 1);
    calendar_.SetRightMouseSelect(true);
    calendar_.SetReadOnly(true);
    rightClick(3, 1);
    EXPECT_EQ(calendar_.CalendarDate(), (Date{2024, 5, 31}));

    QPoint reported;
    calendar_.OnContextPopup = [&](QObject*, QPoint mousePos, bool& handled) {
        reported = mousePos;
        handled = true;
    };
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), calendar_.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&calendar_, &menu);
    EXPECT_EQ(reported, QPoint(-1, -1)) << "a menu asked for from the keyboard has no mouse position";
}
