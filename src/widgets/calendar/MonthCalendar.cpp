#include "widgets/calendar/MonthCalendar.h"
#include "widgets/controls/QtColors.h"

#include "platform/locale/Locale.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QResizeEvent>

using model::calendar::DayState;
using model::look::RgbColor;
using platform::locale::LongDayName;
using platform::locale::ShortDayName;
using widgets::controls::CellGrid;
using widgets::controls::CellStates;
using widgets::controls::FocusFrame;
using widgets::controls::GridOption;
using widgets::controls::ToQColor;

namespace widgets::calendar {

namespace {

QString FirstCharacter(const QString& text)
{
    return text.left(!text.isEmpty() && text.front().isHighSurrogate() ? 2 : 1);
}

QString DayName(DayNameFormat format, int day)
{
    switch (format) {
    case DayNameFormat::Long:
        return LongDayName(day);
    case DayNameFormat::Short:
        return ShortDayName(day);
    case DayNameFormat::UltraShort:
        return FirstCharacter(ShortDayName(day));
    }
    return {};
}

} // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : CellGrid(Columns, Rows, 1, parent)
{
    SetOptions(Options() | GridOption::HighlightFocusedCell);
    SetFocusFrameStyle(FocusFrame::DottedLine);
    setAccessibleName(QStringLiteral("Calendar"));
    UseDayNames(DayNameFormat::Short);
    UpdateCalendar();
}

void MonthCalendar::SetActiveColor(RgbColor color)
{
    activeColor_ = color;
    UpdateCalendar();
}

void MonthCalendar::SetActiveBGColor(RgbColor color)
{
    activeBackground_ = color;
    UpdateCalendar();
}

void MonthCalendar::SetSpecialColor(RgbColor color)
{
    specialColor_ = color;
    UpdateCalendar();
}

void MonthCalendar::SetSpecialBGColor(RgbColor color)
{
    specialBackground_ = color;
    UpdateCalendar();
}

QString MonthCalendar::AccessibleCellText(int col, int row) const
{
    if (row < FixedRows()) {
        const int weekday = (StartOfWeek() + col) % 7; // 0 is Sunday
        return QLocale().dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
    }
    const int day = CellDay(col, row);
    if (day == 0)
        return {};
    const QString text = QLocale().toString(QDate(Year(), Month(), day), QLocale::LongFormat);
    const QString state = DayStateName(DayStateOf(CellText(col, row)));
    return state.isEmpty() ? text : text + QStringLiteral(", ") + state;
}

void MonthCalendar::UseDayNames(DayNameFormat format)
{
    std::array<std::string, 7> names;
    for (int day = 1; day <= 7; ++day)
        names[day - 1] = DayName(format, day).toStdString();
    SetDayNames(names);
    update();
}

void MonthCalendar::DrawCell(QPainter& painter, int col, int row, const QRect& rect, CellStates state)
{
    const std::string text = CellText(col, row);
    const DayState dayState = DayStateOf(text);
    const QString shown = QString::fromStdString(text);
    if (!state && !text.empty() && dayState != DayState::Normal) {
        const bool special = dayState == DayState::Special;
        painter.save();
        painter.setBrush(ToQColor(special ? specialBackground_ : activeBackground_));
        painter.setPen(ToQColor(special ? specialColor_ : activeColor_));
        DrawCellContent(painter, rect, shown, true);
        painter.restore();
    } else {
        DrawCellContent(painter, rect, shown, false);
    }
    if (OnDrawCalendarCell)
        OnDrawCalendarCell(this, painter, col, row, rect, state, shown, dayState);
}

void MonthCalendar::Click()
{
    ClickCell(Col(), Row());
}

void MonthCalendar::ShowCurrentCell(int col, int row)
{
    MoveCurrent(col, row);
    update();
}

void MonthCalendar::Change()
{
    if (OnChange)
        OnChange(this);
}

void MonthCalendar::resizeEvent(QResizeEvent* event)
{
    CellGrid::resizeEvent(event);
    const QSize client = ClientSize();
    SetDefaultColWidth(std::max(0, (client.width() - 6 * GridLineWidth()) / 7));
    SetDefaultRowHeight(std::max(0, (client.height() - 6 * GridLineWidth()) / 7));
}

} // namespace widgets::calendar
