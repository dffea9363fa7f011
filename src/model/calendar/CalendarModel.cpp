#include "model/calendar/CalendarModel.h"

using base::dates::Date;
using base::dates::DayOfWeek;
using base::dates::DaysPerMonth;
using base::dates::EncodeDate;
using base::dates::IsLeapYear;
using base::dates::LocalToday;

namespace model::calendar {

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
    return stored_.size() >= 2 ? stored_.substr(1, stored_.size() - 2) : std::string();
}

void DayList::SetText(std::string_view text)
{
    stored_ = EnclosedInCommas(text);
}

bool DayList::Contains(std::string_view cellText) const
{
    return stored_.find(EnclosedInCommas(cellText)) != std::string::npos;
}

CalendarModel::CalendarModel() : selected_(LocalToday())
{
    UpdateCalendar();
}

void CalendarModel::SetClock(std::function<Date()> clock)
{
    clock_ = std::move(clock);
    if (useToday_) {
        selected_ = Today();
        UpdateCalendar();
    }
}

void CalendarModel::SetCalendarDate(const Date& date)
{
    EncodeDate(date.Year, date.Month, date.Day); // refuses a date that does not exist
    selected_ = date;
    UpdateCalendar();
    Change();
}

void CalendarModel::SetDatePart(Date date)
{
    EncodeDate(date.Year, date.Month, date.Day);
    selected_ = date;
    useToday_ = false;
    UpdateCalendar();
    Change();
}

void CalendarModel::SetYear(int year)
{
    if (year <= 0 || year == selected_.Year)
        return;
    SetDatePart({year, selected_.Month, selected_.Day});
}

void CalendarModel::SetMonth(int month)
{
    if (month <= 0 || month > 12 || month == selected_.Month)
        return;
    SetDatePart({selected_.Year, month, selected_.Day});
}

void CalendarModel::SetDay(int day)
{
    if (day <= 0 || day > DaysThisMonth() || day == selected_.Day)
        return;
    SetDatePart({selected_.Year, selected_.Month, day});
}

void CalendarModel::StepMonth(int step)
{
    int year = selected_.Year;
    int month = selected_.Month + step;
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    const int length = DaysPerMonth(year, month);
    SetCalendarDate({year, month, selected_.Day < length ? selected_.Day : length});
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
    if (IsLeapYear(selected_.Year) && selected_.Month == 2 && selected_.Day == 29)
        SetDay(28);
    SetYear(selected_.Year + step);
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
    if (value == useToday_)
        return;
    useToday_ = value;
    if (value) {
        selected_ = Today();
        UpdateCalendar();
    }
}

void CalendarModel::SetStartOfWeek(int dayOfWeek)
{
    if (dayOfWeek < 0 || dayOfWeek > 6 || dayOfWeek == weekStart_)
        return;
    weekStart_ = dayOfWeek;
    UpdateCalendar();
}

void CalendarModel::SetActiveDays(std::string_view days)
{
    active_.SetText(days);
    UpdateCalendar();
}

void CalendarModel::SetSpecialDays(std::string_view days)
{
    special_.SetText(days);
    UpdateCalendar();
}

DayState CalendarModel::DayStateOf(std::string_view cellText) const
{
    if (special_.Contains(cellText))
        return DayState::Special;
    if (active_.Contains(cellText))
        return DayState::Active;
    return DayState::Normal;
}

int CalendarModel::CellDay(int col, int row) const
{
    if (row < 1 || row >= Rows || col < 0 || col >= Columns)
        return 0;
    const int day = col + offset_ + (row - 1) * 7;
    return day >= 1 && day <= DaysThisMonth() ? day : 0;
}

std::string CalendarModel::CellText(int col, int row) const
{
    if (row == 0 && col >= 0 && col < Columns)
        return dayNames_[(weekStart_ + col) % 7];
    const int day = CellDay(col, row);
    return day > 0 ? std::to_string(day) : std::string();
}

double CalendarModel::CellDate(int col, int row) const
{
    const int day = CellDay(col, row);
    return day > 0 ? EncodeDate(selected_.Year, selected_.Month, day) : 0.0;
}

bool CalendarModel::CanSelectCell(int col, int row) const
{
    return !(readOnly_ && !updating_) && !CellText(col, row).empty();
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
    } updating(updating_);

    const int firstWeekday = DayOfWeek(selected_.Year, selected_.Month, 1);
    offset_ = 2 - ((firstWeekday - weekStart_ + 7) % 7);
    if (offset_ == 2)
        offset_ = -5;
    const int position = selected_.Day - offset_;
    ShowCurrentCell(position % 7, position / 7 + 1);
}

} // namespace model::calendar
