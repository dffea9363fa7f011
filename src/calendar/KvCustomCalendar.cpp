#include "calendar/KvCustomCalendar.h"
#include "widgets/QtColors.h"

#include "platform/Locale.h"

#include <QPainter>
#include <QResizeEvent>

namespace calendar {

namespace {

QString FirstCharacter(const QString& text)
{
    return text.left(!text.isEmpty() && text.front().isHighSurrogate() ? 2 : 1);
}

QString DayName(TDayFormat format, int day)
{
    switch (format) {
    case dfLong:
        return platform::LongDayName(day);
    case dfShort:
        return platform::ShortDayName(day);
    case dfUltraShort:
        return FirstCharacter(platform::ShortDayName(day));
    }
    return {};
}

} // namespace

TKvCustomCalendar::TKvCustomCalendar(QWidget* parent) : TKvGrid(Columns, Rows, 1, parent)
{
    SetOptions(Options() | goDrawFocusSelected);
    UseDayNames(dfShort);
    UpdateCalendar();
}

void TKvCustomCalendar::SetActiveColor(TColor color)
{
    ActiveText = color;
    UpdateCalendar();
}

void TKvCustomCalendar::SetActiveBGColor(TColor color)
{
    ActiveBackground = color;
    UpdateCalendar();
}

void TKvCustomCalendar::SetSpecialColor(TColor color)
{
    SpecialText = color;
    UpdateCalendar();
}

void TKvCustomCalendar::SetSpecialBGColor(TColor color)
{
    SpecialBackground = color;
    UpdateCalendar();
}

void TKvCustomCalendar::UseDayNames(TDayFormat format)
{
    std::array<std::string, 7> names;
    for (int day = 1; day <= 7; ++day)
        names[day - 1] = DayName(format, day).toStdString();
    SetDayNames(names);
    update();
}

void TKvCustomCalendar::DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state)
{
    const std::string text = CellText(col, row);
    const TDayState dayState = DayStateOf(text);
    const QString shown = QString::fromStdString(text);
    if (state == 0 && !text.empty() && dayState != dsNormal) {
        const bool special = dayState == dsSpecial;
        painter.save();
        painter.setBrush(widgets::ToQColor(special ? SpecialBackground : ActiveBackground));
        painter.setPen(widgets::ToQColor(special ? SpecialText : ActiveText));
        DrawCellContent(painter, rect, shown, true);
        painter.restore();
    } else {
        DrawCellContent(painter, rect, shown, false);
    }
    if (OnDrawCalendarCell)
        OnDrawCalendarCell(this, painter, col, row, rect, state, shown, dayState);
}

void TKvCustomCalendar::Click()
{
    TKvGrid::Click();
    ClickCell(Col(), Row());
}

void TKvCustomCalendar::ShowCurrentCell(int col, int row)
{
    MoveCurrent(col, row);
    update();
}

void TKvCustomCalendar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TKvCustomCalendar::resizeEvent(QResizeEvent* event)
{
    TKvGrid::resizeEvent(event);
    const QSize client = ClientSize();
    SetDefaultColWidth(std::max(0, (client.width() - 6 * GridLineWidth()) / 7));
    SetDefaultRowHeight(std::max(0, (client.height() - 6 * GridLineWidth()) / 7));
}

} // namespace calendar
