// The date model shared by the month calendars: one selected date, the layout of its month in
// a grid of seven columns and a header row plus six week rows, the highlighted-day lists, and
// the rules for changing the date. No Qt; the widgets derive from it and supply the hooks.
#pragma once

#include "base/dates/CalendarDate.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace model::calendar {

enum class DayState { Normal, Active, Special };

// A list of day numbers as the user writes it ("1,5,31"), kept with a comma at both ends so
// that a day is found by the text ",<day>," (exactly as the cell shows it).
class DayList {
public:
    std::string Text() const;
    void SetText(std::string_view text);
    bool Contains(std::string_view cellText) const;

private:
    std::string stored_;
};

class CalendarModel {
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 7;

    CalendarModel();
    virtual ~CalendarModel() = default;
    CalendarModel(const CalendarModel&) = delete;
    CalendarModel& operator=(const CalendarModel&) = delete;

    // The selected date; writing it always announces a change, even to the same date. The
    // setters are given dates by the program: one that does not exist is a programmer error
    // (calendar::EncodeDate throws).
    base::dates::Date CalendarDate() const { return selected_; }
    void SetCalendarDate(const base::dates::Date& date);

    int Year() const { return selected_.Year; }
    int Month() const { return selected_.Month; }
    int Day() const { return selected_.Day; }
    // Values of 0 or below, a month above 12 and a day beyond the month are ignored. A month
    // that lacks the selected day is a programmer error (throws, leaving the date as it was):
    // set the day first, or step with NextMonth and PrevMonth.
    void SetYear(int year);
    void SetMonth(int month);
    void SetDay(int day);

    // The same day in the neighbouring month, across the turn of the year, or that month's
    // last day when it is shorter (31 January, then 29 February in a leap year).
    void NextMonth();
    void PrevMonth();
    // 29 February first becomes the 28th (one change), then the year moves (another change).
    void NextYear();
    void PrevYear();

    // Where today's date comes from (the system clock unless set); while UseCurrentDate is
    // on, the selection moves to the clock's today without announcing a change.
    void SetClock(std::function<base::dates::Date()> clock);

    // Switching it on selects today, without announcing a change.
    bool UseCurrentDate() const { return useToday_; }
    void SetUseCurrentDate(bool value);

    // The day of the week in column 0: 0 Sunday ... 6 Saturday.
    int StartOfWeek() const { return weekStart_; }
    void SetStartOfWeek(int dayOfWeek);

    // The user cannot move the selection; the program still can.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    std::string ActiveDays() const { return active_.Text(); }
    void SetActiveDays(std::string_view days);
    std::string SpecialDays() const { return special_.Text(); }
    void SetSpecialDays(std::string_view days);
    // Special wins over active.
    DayState DayStateOf(std::string_view cellText) const;

    // Header texts, index 0 = Sunday ... 6 = Saturday (UTF-8).
    void SetDayNames(const std::array<std::string, 7>& names) { dayNames_ = names; }

    // The day that column 0 of the first week row would show; between -5 and 1.
    int MonthOffset() const { return offset_; }
    int DaysThisMonth() const { return base::dates::DaysPerMonth(selected_.Year, selected_.Month); }

    // Row 0 holds the day names; a week-row cell its day number, or nothing outside the month.
    std::string CellText(int col, int row) const;
    // The day number of a week-row cell, 0 when the cell shows no day.
    int CellDay(int col, int row) const;
    // The date of the day in a cell as a day count, 0 when the cell shows no day.
    double CellDate(int col, int row) const;

    // Whether the current cell may move to (col, row).
    bool CanSelectCell(int col, int row) const;
    // A click or a keyboard move ended on the current cell (col, row): select its day.
    void ClickCell(int col, int row);

    // Lays the month out again and shows the selected day's cell as current.
    void UpdateCalendar();
    bool Updating() const { return updating_; }

protected:
    virtual base::dates::Date Today() const { return clock_ ? clock_() : base::dates::LocalToday(); }
    // UpdateCalendar asks the view to make (col, row) the current cell and to repaint.
    virtual void ShowCurrentCell(int col, int row) {}
    // The date was changed by the calendar.
    virtual void Change() {}

private:
    void SetDatePart(base::dates::Date date);
    void StepMonth(int step);
    void StepYear(int step);

    base::dates::Date selected_;
    int offset_ = 1;
    bool readOnly_ = false;
    int weekStart_ = 0;
    bool updating_ = false;
    bool useToday_ = true;
    DayList active_;
    DayList special_;
    std::array<std::string, 7> dayNames_;
    std::function<base::dates::Date()> clock_;
};

} // namespace model::calendar
