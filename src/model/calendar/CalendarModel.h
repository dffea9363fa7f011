// The date model shared by the month calendars: one selected date, the layout of its month in
// a grid of seven columns and a header row plus six week rows, the highlighted-day lists, and
// the rules for changing the date. No Qt; the widgets derive from it and supply the hooks.
#pragma once

#include "base/dates/CalendarDate.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace calendar {

enum DayState { dsNormal, dsActive, dsSpecial };

// A list of day numbers as the user writes it ("1,5,31"), kept with a comma at both ends so
// that a day is found by the text ",<day>," (exactly as the cell shows it).
class DayList {
public:
    std::string Text() const;
    void SetText(std::string_view text);
    bool Contains(std::string_view cellText) const;

private:
    std::string Stored;
};

class CalendarModel {
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 7;

    CalendarModel();
    virtual ~CalendarModel() = default;
    CalendarModel(const CalendarModel&) = delete;
    CalendarModel& operator=(const CalendarModel&) = delete;

    // The selected date; writing it always announces a change, even to the same date.
    Date CalendarDate() const { return Selected; }
    void SetCalendarDate(const Date& date);

    int Year() const { return Selected.Year; }
    int Month() const { return Selected.Month; }
    int Day() const { return Selected.Day; }
    // Values of 0 or below, a month above 12 and a day beyond the month are ignored. A month
    // that lacks the selected day throws ConvertError and leaves the date as it was.
    void SetYear(int year);
    void SetMonth(int month);
    void SetDay(int day);

    // The same day in the neighbouring month, or that month's last day when it is shorter.
    void NextMonth();
    void PrevMonth();
    // 29 February first becomes the 28th (one change), then the year moves (another change).
    void NextYear();
    void PrevYear();

    // Where today's date comes from (the system clock unless set); while UseCurrentDate is
    // on, the selection moves to the clock's today without announcing a change.
    void SetClock(std::function<Date()> clock);

    // Switching it on selects today, without announcing a change.
    bool UseCurrentDate() const { return UseToday; }
    void SetUseCurrentDate(bool value);

    // The day of the week in column 0: 0 Sunday ... 6 Saturday.
    int StartOfWeek() const { return WeekStart; }
    void SetStartOfWeek(int dayOfWeek);

    // The user cannot move the selection; the program still can.
    bool ReadOnly() const { return IsReadOnly; }
    void SetReadOnly(bool value) { IsReadOnly = value; }

    std::string ActiveDays() const { return Active.Text(); }
    void SetActiveDays(std::string_view days);
    std::string SpecialDays() const { return Special.Text(); }
    void SetSpecialDays(std::string_view days);
    // Special wins over active.
    DayState DayStateOf(std::string_view cellText) const;

    // Header texts, index 0 = Sunday ... 6 = Saturday (UTF-8).
    void SetDayNames(const std::array<std::string, 7>& names) { DayNames = names; }

    // The day that column 0 of the first week row would show; between -5 and 1.
    int MonthOffset() const { return Offset; }
    int DaysThisMonth() const { return DaysPerMonth(Selected.Year, Selected.Month); }

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
    bool Updating() const { return IsUpdating; }

protected:
    virtual Date Today() const { return Clock ? Clock() : LocalToday(); }
    // UpdateCalendar asks the view to make (col, row) the current cell and to repaint.
    virtual void ShowCurrentCell(int col, int row) {}
    // The date was changed by the calendar.
    virtual void Change() {}

private:
    void SetDatePart(Date date);
    void StepMonth(int step);
    void StepYear(int step);

    Date Selected;
    int Offset = 1;
    bool IsReadOnly = false;
    int WeekStart = 0;
    bool IsUpdating = false;
    bool UseToday = true;
    DayList Active;
    DayList Special;
    std::array<std::string, 7> DayNames;
    std::function<Date()> Clock;
};

} // namespace calendar
