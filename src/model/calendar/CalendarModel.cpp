#include "model/calendar/CalendarModel.h"

namespace calendar {

namespace {

std::string EnclosedInCommas(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result.push_back(',');
    result.append(text);
    result.push_back(',');
    return result;
}

} // namespace

std::string DayList::Text() const
{
    return Stored.size() >= 2 ? Stored.substr(1, Stored.size() - 2) : std::string();
}

void DayList::SetText(std::string_view text)
{
    Stored = EnclosedInCommas(text);
}

bool DayList::Contains(std::string_view cellText) const
{
    return Stored.find(EnclosedInCommas(cellText)) != std::string::npos;
}

CalendarModel::CalendarModel() : Selected(LocalToday())
{
    UpdateCalendar();
}

void CalendarModel::SetClock(std::function<Date()> clock)
{
    Clock = std::move(clock);
    if (UseToday) {
        Selected = Today();
        UpdateCalendar();
    }
}

void CalendarModel::SetCalendarDate(const Date& date)
{
    EncodeDate(date.Year, date.Month, date.Day); // refuses a date that does not exist
    Selected = date;
    UpdateCalendar();
    Change();
}

void CalendarModel::SetDatePart(Date date)
{
    EncodeDate(date.Year, date.Month, date.Day);
    Selected = date;
    UseToday = false;
    UpdateCalendar();
    Change();
}

void CalendarModel::SetYear(int year)
{
    if (year <= 0 || year == Selected.Year)
        return;
    SetDatePart({year, Selected.Month, Selected.Day});
}

void CalendarModel::SetMonth(int month)
{
    if (month <= 0 || month > 12 || month == Selected.Month)
        return;
    SetDatePart({Selected.Year, month, Selected.Day});
}

void CalendarModel::SetDay(int day)
{
    if (day <= 0 || day > DaysThisMonth() || day == Selected.Day)
        return;
    SetDatePart({Selected.Year, Selected.Month, day});
}

void CalendarModel::StepMonth(int step)
{
    int year = Selected.Year;
    int month = Selected.Month + step;
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    const int length = DaysPerMonth(year, month);
    SetCalendarDate({year, month, Selected.Day < length ? Selected.Day : length});
}

void CalendarModel::NextMonth()
{
    StepMonth(+1);
}

void CalendarModel::PrevMonth()
{
    StepMonth(-1);
}

void CalendarModel::StepYear(int step)
{
    if (IsLeapYear(Selected.Year) && Selected.Month == 2 && Selected.Day == 29)
        SetDay(28);
    SetYear(Selected.Year + step);
}

void CalendarModel::NextYear()
{
    StepYear(+1);
}

void CalendarModel::PrevYear()
{
    StepYear(-1);
}

void CalendarModel::SetUseCurrentDate(bool value)
{
    if (value == UseToday)
        return;
    UseToday = value;
    if (value) {
        Selected = Today();
        UpdateCalendar();
    }
}

void CalendarModel::SetStartOfWeek(int dayOfWeek)
{
    if (dayOfWeek < 0 || dayOfWeek > 6 || dayOfWeek == WeekStart)
        return;
    WeekStart = dayOfWeek;
    UpdateCalendar();
}

void CalendarModel::SetActiveDays(std::string_view days)
{
    Active.SetText(days);
    UpdateCalendar();
}

void CalendarModel::SetSpecialDays(std::string_view days)
{
    Special.SetText(days);
    UpdateCalendar();
}

DayState CalendarModel::DayStateOf(std::string_view cellText) const
{
    if (Special.Contains(cellText))
        return dsSpecial;
    if (Active.Contains(cellText))
        return dsActive;
    return dsNormal;
}

int CalendarModel::CellDay(int col, int row) const
{
    if (row < 1 || row >= Rows || col < 0 || col >= Columns)
        return 0;
    const int day = col + Offset + (row - 1) * 7;
    return day >= 1 && day <= DaysThisMonth() ? day : 0;
}

std::string CalendarModel::CellText(int col, int row) const
{
    if (row == 0 && col >= 0 && col < Columns)
        return DayNames[(WeekStart + col) % 7];
    const int day = CellDay(col, row);
    return day > 0 ? std::to_string(day) : std::string();
}

double CalendarModel::CellDate(int col, int row) const
{
    const int day = CellDay(col, row);
    return day > 0 ? EncodeDate(Selected.Year, Selected.Month, day) : 0.0;
}

bool CalendarModel::CanSelectCell(int col, int row) const
{
    return !(IsReadOnly && !IsUpdating) && !CellText(col, row).empty();
}

void CalendarModel::ClickCell(int col, int row)
{
    const int day = CellDay(col, row);
    if (day > 0)
        SetDay(day);
}

void CalendarModel::UpdateCalendar()
{
    struct UpdatingFlag {
        bool& Flag;
        explicit UpdatingFlag(bool& flag) : Flag(flag) { Flag = true; }
        ~UpdatingFlag() { Flag = false; }
    } updating(IsUpdating);

    const int firstWeekday = DayOfWeek(Selected.Year, Selected.Month, 1);
    Offset = 2 - ((firstWeekday - WeekStart + 7) % 7);
    if (Offset == 2)
        Offset = -5;
    const int position = Selected.Day - Offset;
    ShowCurrentCell(position % 7, position / 7 + 1);
}

} // namespace calendar
