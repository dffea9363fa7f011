#include "calendar/KvCalendarEx.h"
#include "widgets/QtColors.h"

#include "platform/Locale.h"

#include <QMouseEvent>
#include <QPainter>

namespace calendar {

TKvCalendarEx::TKvCalendarEx(QWidget* parent)
    : TKvCustomCalendar(parent), HeaderHeight(DefaultRowHeight()), EmptyColor(Color())
{
}

void TKvCalendarEx::SetAlignment(TAlignment alignment)
{
    TextAlignment = alignment;
    update();
}

void TKvCalendarEx::SetLayout(TTextLayout layout)
{
    TextLayout = layout;
    update();
}

void TKvCalendarEx::SetWordWrap(bool value)
{
    Wrap = value;
    update();
}

void TKvCalendarEx::SetCellBorder(int pixels)
{
    Border = std::max(0, pixels);
    update();
}

void TKvCalendarEx::SetDayFormat(TDayFormat format)
{
    Format = format;
    UseDayNames(format);
}

void TKvCalendarEx::SetDefaultHeaderHeight(int height)
{
    HeaderHeight = height;
    SetRowHeight(0, height);
    const QSize client = ClientSize();
    AdjustCellSizes(client.width(), client.height());
}

QString TKvCalendarEx::MonthName() const
{
    return platform::LongMonthName(Month());
}

void TKvCalendarEx::AdjustCellSizes(int width, int height)
{
    SetDefaultColWidth(std::max(0, (width - 6 * GridLineWidth()) / 7));
    SetDefaultRowHeight(std::max(0, (height - HeaderHeight - 6 * GridLineWidth()) / 6));
    SetRowHeight(0, HeaderHeight);
}

void TKvCalendarEx::resizeEvent(QResizeEvent* event)
{
    TKvCustomCalendar::resizeEvent(event);
    const QSize client = ClientSize();
    AdjustCellSizes(client.width(), client.height());
}

void TKvCalendarEx::mousePressEvent(QMouseEvent* event)
{
    TKvCustomCalendar::mousePressEvent(event);
    if (!RightSelects || event->button() != Qt::RightButton)
        return;
    const auto cell = MouseToCell(ToClient(event->position().toPoint()));
    if (!cell || cell->Row < FixedRows() || CellDay(cell->Col, cell->Row) == 0)
        return;
    if (MoveCurrent(cell->Col, cell->Row))
        SetDay(CellDay(cell->Col, cell->Row));
}

void TKvCalendarEx::DrawCellContent(QPainter& painter, const QRect& rect, const QString& text,
                                    bool dayColours)
{
    if (dayColours)
        painter.fillRect(rect, painter.brush());
    if (!text.isEmpty())
        DrawCellText(painter, rect, text);
    else if (EmptyColor != Color())
        painter.fillRect(rect, widgets::ToQColor(EmptyColor));
}

void TKvCalendarEx::DrawCellText(QPainter& painter, const QRect& rect, const QString& text) const
{
    QRect area = rect.adjusted(Border, Border, -Border, -Border);
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    flags |= TextAlignment == taLeftJustify    ? Qt::AlignLeft
             : TextAlignment == taRightJustify ? Qt::AlignRight
                                               : Qt::AlignHCenter;
    if (Wrap)
        flags |= Qt::TextWordWrap;
    if (TextLayout != tlTop) {
        const int spare = area.height() - painter.fontMetrics().boundingRect(area, flags, text).height();
        area.translate(0, TextLayout == tlBottom ? spare : spare / 2);
    }
    painter.drawText(area, flags, text);
}

} // namespace calendar
