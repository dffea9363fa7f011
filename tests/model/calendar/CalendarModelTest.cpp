#include "model/calendar/CalendarModel.h"

#include <gtest/gtest.h>

#include <numeric>
#include <utility>
#include <vector>

using namespace base::dates;
using namespace model::calendar;

namespace {

// A model whose clock stands still and which records what it asks of its view.
class RecordingModel : public CalendarModel {
public:
    explicit RecordingModel(Date date = {2024, 5, 14})
    {
        SetCalendarDate(date);
        Changes = 0;
        ChangedTo.clear();
    }

    Date TodayValue{2024, 7, 4};
    int Changes = 0;
    std::vector<Date> ChangedTo;
    std::pair<int, int> Current{-1, -1}; // column and row of the current cell
    bool UpdatingDuringShow = false;

protected:
    Date Today() const override { return TodayValue; }
    void ShowCurrentCell(int col, int row) override
    {
        Current = {col, row};
        UpdatingDuringShow = Updating();
    }
    void Change() override
    {
        ++Changes;
        ChangedTo.push_back(CalendarDate());
    }
};

// A month of 2023 whose first day falls on each weekday, indexed by weekday (1 = Sunday).
Date FirstOfMonthStartingOn(int weekday)
{
    for (int month = 1; month <= 12; ++month)
        if (DayOfWeek(2023, month, 1) == weekday)
            return {2023, month, 1};
    return {};
}

} // namespace

TEST(CalendarModel, MonthOffsetPutsTheFirstInTheFirstWeekRow)
{
    for (int startOfWeek : {0, 1}) {
        for (int weekday = 1; weekday <= 7; ++weekday) {
            RecordingModel model(FirstOfMonthStartingOn(weekday));
            model.SetStartOfWeek(startOfWeek);
            const int column = (weekday - 1 - startOfWeek + 7) % 7; // where the 1st must stand
            EXPECT_EQ(model.MonthOffset(), 1 - column) << "start " << startOfWeek << " weekday " << weekday;
            EXPECT_EQ(model.CellText(column, 1), "1");
            EXPECT_EQ(model.Current, std::pair(column, 1));
        }
    }
}

TEST(CalendarModel, SixWeekRowsHoldEveryMonth)
{
    for (int startOfWeek = 0; startOfWeek < 7; ++startOfWeek) {
        RecordingModel model;
        model.SetStartOfWeek(startOfWeek);
        for (int year = 2000; year <= 2028; ++year) {
            for (int month = 1; month <= 12; ++month) {
                model.SetCalendarDate({year, month, 1});
                std::vector<int> seen;
                for (int row = 1; row <= 6; ++row)
                    for (int col = 0; col < 7; ++col)
                        if (const int day = model.CellDay(col, row))
                            seen.push_back(day);
                std::vector<int> days(static_cast<size_t>(DaysPerMonth(year, month)));
                std::iota(days.begin(), days.end(), 1);
                ASSERT_EQ(seen, days) << year << "-" << month;
            }
        }
    }
}

TEST(CalendarModel, HeaderRowFollowsTheStartOfTheWeek)
{
    RecordingModel model;
    model.SetDayNames({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
    EXPECT_EQ(model.CellText(0, 0), "Sun");
    model.SetStartOfWeek(1);
    EXPECT_EQ(model.CellText(0, 0), "Mon");
    EXPECT_EQ(model.CellText(6, 0), "Sun");
    model.SetStartOfWeek(9); // not a day of the week
    EXPECT_EQ(model.StartOfWeek(), 1);
}

TEST(CalendarModel, UpdatePlacesTheSelectedDayAsCurrentCell)
{
    RecordingModel model({2024, 5, 31}); // May 2024 starts on a Wednesday
    EXPECT_EQ(model.MonthOffset(), -2);
    EXPECT_EQ(model.Current, std::pair(5, 5));
    EXPECT_TRUE(model.UpdatingDuringShow);
    EXPECT_FALSE(model.Updating());
}

TEST(CalendarModel, MonthStepsKeepTheDayOrTakeTheMonthsLast)
{
    struct Step {
        Date From;
        int By;
        Date To;
    };
    for (const auto& [from, by, to] :
         {Step{{2023, 1, 31}, 1, {2023, 2, 28}}, Step{{2024, 1, 31}, 1, {2024, 2, 29}},
          Step{{2024, 3, 31}, -1, {2024, 2, 29}}, Step{{2024, 12, 31}, 1, {2025, 1, 31}},
          Step{{2025, 1, 31}, -2, {2024, 11, 30}}, Step{{2024, 4, 30}, 1, {2024, 5, 30}}}) {
        SCOPED_TRACE(std::to_string(from.Year) + "-" + std::to_string(from.Month) + "-" +
                     std::to_string(from.Day) + " by " + std::to_string(by));
        RecordingModel model(from);
        for (int i = 0; i < std::abs(by); ++i)
            by > 0 ? model.NextMonth() : model.PrevMonth();
        EXPECT_EQ(model.CalendarDate(), to);
    }
}

TEST(CalendarModel, TheKeepersMonthStepsGoFromFirstToFirst)
{
    RecordingModel model({2024, 1, 31});
    model.SetDay(1);
    model.PrevMonth();
    EXPECT_EQ(model.CalendarDate(), (Date{2023, 12, 1}));
    model.SetDay(1);
    model.NextMonth();
    model.NextMonth();
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 2, 1}));
    EXPECT_EQ(model.ChangedTo, (std::vector<Date>{{2024, 1, 1}, {2023, 12, 1}, {2024, 1, 1}, {2024, 2, 1}}))
        << "setting the day it has already announces nothing";
}

TEST(CalendarModel, EveryDateWriteAndStepAnnouncesOneChange)
{
    RecordingModel model({2024, 5, 14});
    model.SetCalendarDate({2024, 5, 14}); // even the same date
    model.NextMonth();
    model.PrevYear();
    EXPECT_EQ(model.Changes, 3);
    EXPECT_EQ(model.ChangedTo.back(), (Date{2023, 6, 14}));
}

TEST(CalendarModel, NextYearFrom29FebruaryChangesTwice)
{
    RecordingModel model({2004, 2, 29});
    model.NextYear();
    EXPECT_EQ(model.ChangedTo, (std::vector<Date>{{2004, 2, 28}, {2005, 2, 28}}));

    model.SetCalendarDate({2004, 2, 29});
    model.ChangedTo.clear();
    model.PrevYear();
    EXPECT_EQ(model.ChangedTo, (std::vector<Date>{{2004, 2, 28}, {2003, 2, 28}}));
}

TEST(CalendarModel, DatePartsOutOfRangeAreIgnored)
{
    RecordingModel model({2024, 4, 30});
    model.SetDay(0);
    model.SetDay(31);
    model.SetMonth(13);
    model.SetYear(0);
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 4, 30}));
    EXPECT_EQ(model.Changes, 0);
    EXPECT_TRUE(model.UseCurrentDate());

    model.SetDay(2);
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 4, 2}));
    EXPECT_EQ(model.Changes, 1);
    EXPECT_FALSE(model.UseCurrentDate());
}

TEST(CalendarModel, MonthWithoutTheSelectedDayFailsAndKeepsTheDate)
{
    RecordingModel model({2024, 3, 31});
    EXPECT_THROW(model.SetMonth(4), ConvertError);
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 3, 31}));
    EXPECT_EQ(model.Changes, 0);
    model.SetCalendarDate({2024, 2, 29});
    EXPECT_THROW(model.SetYear(2023), ConvertError);
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 2, 29}));
    EXPECT_THROW(model.SetCalendarDate({2024, 2, 30}), ConvertError);
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 2, 29}));

    model.SetDay(1); // what the birthday keeper does before changing the month
    model.SetMonth(4);
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 4, 1}));
}

TEST(CalendarModel, UseCurrentDateJumpsToTodayOnlyWhenSwitchedOn)
{
    RecordingModel model({2020, 1, 10});
    model.SetUseCurrentDate(true); // already on: nothing
    EXPECT_EQ(model.CalendarDate(), (Date{2020, 1, 10}));
    model.SetUseCurrentDate(false);
    model.SetUseCurrentDate(true);
    EXPECT_EQ(model.CalendarDate(), model.TodayValue);
    EXPECT_EQ(model.Changes, 0);
    EXPECT_EQ(model.Current, std::pair(4, 1)); // 4 July 2024 is in the first week row
}

TEST(CalendarModel, DayListMatchIsTextual)
{
    RecordingModel model;
    EXPECT_EQ(model.DayStateOf("1"), DayState::Normal);
    model.SetActiveDays("05, 7,12,");
    EXPECT_EQ(model.ActiveDays(), "05, 7,12,");
    EXPECT_EQ(model.DayStateOf("5"), DayState::Normal);  // leading zero
    EXPECT_EQ(model.DayStateOf("12"), DayState::Active); // trailing comma is harmless
    EXPECT_EQ(model.DayStateOf("2"), DayState::Normal);  // no match inside "12"
    EXPECT_EQ(model.DayStateOf(""), DayState::Active);   // but the empty element marks the empty cells

    model.SetSpecialDays("12,3");
    EXPECT_EQ(model.DayStateOf("12"), DayState::Special); // special wins over active
    EXPECT_EQ(model.DayStateOf(""), DayState::Active);
    model.SetSpecialDays("");
    EXPECT_EQ(model.DayStateOf(""), DayState::Special); // an empty list is one empty element
}

TEST(CalendarModel, SelectionVetoRefusesEmptyCellsAndReadOnlyMoves)
{
    RecordingModel model({2024, 5, 14}); // May 2024: offset -2, the 1st in column 3
    EXPECT_TRUE(model.CanSelectCell(3, 1));
    EXPECT_FALSE(model.CanSelectCell(2, 1));
    EXPECT_FALSE(model.CanSelectCell(6, 5)); // after the 31st

    model.SetReadOnly(true);
    EXPECT_FALSE(model.CanSelectCell(3, 1));
    model.SetCalendarDate({2024, 5, 20}); // the program still moves it
    EXPECT_EQ(model.Current, std::pair(1, 4));
}

TEST(CalendarModel, ClickSelectsTheDayOfADayCellOnlyAndCellsGiveTheirDate)
{
    RecordingModel model({2024, 5, 14});
    model.ClickCell(2, 1); // empty
    model.ClickCell(2, 3); // the 14th itself
    EXPECT_EQ(model.Changes, 0);
    model.ClickCell(5, 5); // the 31st
    EXPECT_EQ(model.CalendarDate(), (Date{2024, 5, 31}));
    EXPECT_EQ(model.Changes, 1);
    EXPECT_FALSE(model.UseCurrentDate());
    EXPECT_EQ(model.CellDate(3, 1), EncodeDate(2024, 5, 1)) << "a cell's date is the day count of its day";
    EXPECT_EQ(model.CellDate(5, 5), EncodeDate(2024, 5, 31));
    EXPECT_EQ(model.CellDate(2, 1), 0.0);
}
