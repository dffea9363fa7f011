#include "widgets/calendar/KeeperCalendar.h"
#include "widgets/controls/QtColors.h"

#include "platform/locale/Locale.h"

#include <QMouseEvent>
#include <QPainter>

namespace calendar {

KeeperCalendar::KeeperCalendar(QWidget* parent)
    : MonthCalendar(parent), HeaderHeight(DefaultRowHeight()), EmptyColor(Color())
{
}

void KeeperCalendar::SetAlignment(HorizontalAlignment alignment)
{
    TextAlignment = alignment;
    update();
}

void KeeperCalendar::SetLayout(VerticalLayout layout)
{
    TextLayout = layout;
    update();
}

void KeeperCalendar::SetWordWrap(bool value)
{
    Wrap = value;
    update();
}

void KeeperCalendar::SetCellBorder(int pixels)
{
    Border = std::max(0, pixels);
    update();
}

void KeeperCalendar::SetDayFormat(DayNumberFormat format)
{
    Format = format;
    UseDayNames(format);
}

void KeeperCalendar::SetDefaultHeaderHeight(int height)
{
    HeaderHeight = height;
    SetRowHeight(0, height);
    const QSize client = ClientSize();
    AdjustCellSizes(client.width(), client.height());
}

QString KeeperCalendar::MonthName() const
{
    return platform::LongMonthName(Month());
}

void KeeperCalendar::AdjustCellSizes(int width, int height)
{
    SetDefaultColWidth(std::max(0, (width - 6 * GridLineWidth()) / 7));
    SetDefaultRowHeight(std::max(0, (height - HeaderHeight - 6 * GridLineWidth()) / 6));
    SetRowHeight(0, HeaderHeight);
}

void KeeperCalendar::resizeEvent(QResizeEvent* event)
{
    MonthCalendar::resizeEvent(event);
    const QSize client = ClientSize();
    AdjustCellSizes(client.width(), client.height());
}

void KeeperCalendar::mousePressEvent(QMouseEvent* event)
{
    MonthCalendar::mousePressEvent(event);
    if (!RightSelects || event->button() != Qt::RightButton)
        return;
    const auto cell = MouseToCell(ToClient(event->position().toPoint()));
    if (!cell || cell->Row < FixedRows() || CellDay(cell->Col, cell->Row) == 0)
        return;
    if (MoveCurrent(cell->Col, cell->Row))
        SetDay(CellDay(cell->Col, cell->Row));
}

void KeeperCalendar::DrawCellContent(QPainter& painter, const QRect& rect, const QString& text,
                                    bool dayColours)
{
    if (dayColours)
        painter.fillRect(rect, painter.brush());
    if (!text.isEmpty())
        DrawCellText(painter, rect, text);
    else if (EmptyColor != Color())
        painter.fillRect(rect, widgets::ToQColor(EmptyColor));
}

void KeeperCalendar::DrawCellText(QPainter& painter, const QRect& rect, const QString& text) const
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
