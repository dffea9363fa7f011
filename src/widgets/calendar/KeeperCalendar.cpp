#include "widgets/calendar/KeeperCalendar.h"
#include "widgets/controls/QtColors.h"

#include "platform/locale/Locale.h"

#include <QMouseEvent>
#include <QPainter>

using platform::locale::LongMonthName;
using widgets::controls::HorizontalAlignment;
using widgets::controls::ToQColor;
using widgets::controls::ToQtAlignment;

namespace widgets::calendar {

QString KeeperCalendar::DayStateName(model::calendar::DayState state) const
{
    return state == model::calendar::DayState::Special ? QStringLiteral("birthday or anniversary") : QString();
}

KeeperCalendar::KeeperCalendar(QWidget* parent)
    : MonthCalendar(parent), headerHeight_(DefaultRowHeight()), colorEmpty_(Color())
{
}

void KeeperCalendar::SetAlignment(HorizontalAlignment alignment)
{
    alignment_ = alignment;
    update();
}

void KeeperCalendar::SetLayout(VerticalLayout layout)
{
    layout_ = layout;
    update();
}

void KeeperCalendar::SetWordWrap(bool value)
{
    wordWrap_ = value;
    update();
}

void KeeperCalendar::SetCellBorder(int pixels)
{
    cellBorder_ = std::max(0, pixels);
    update();
}

void KeeperCalendar::SetDayFormat(DayNameFormat format)
{
    dayFormat_ = format;
    UseDayNames(format);
}

void KeeperCalendar::SetDefaultHeaderHeight(int height)
{
    headerHeight_ = height;
    SetRowHeight(0, height);
    AdjustCellSizes();
}

QString KeeperCalendar::MonthName() const
{
    return LongMonthName(Month());
}

void KeeperCalendar::AdjustCellSizes()
{
    const QSize client = ClientSize();
    SetDefaultColWidth(std::max(0, (client.width() - 6 * GridLineWidth()) / 7));
    SetDefaultRowHeight(std::max(0, (client.height() - headerHeight_ - 6 * GridLineWidth()) / 6));
    SetRowHeight(0, headerHeight_);
}

void KeeperCalendar::resizeEvent(QResizeEvent* event)
{
    MonthCalendar::resizeEvent(event);
    AdjustCellSizes();
}

void KeeperCalendar::mousePressEvent(QMouseEvent* event)
{
    MonthCalendar::mousePressEvent(event);
    if (!rightMouseSelect_ || event->button() != Qt::RightButton)
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
    else if (colorEmpty_ != Color())
        painter.fillRect(rect, ToQColor(colorEmpty_));
}

void KeeperCalendar::DrawCellText(QPainter& painter, const QRect& rect, const QString& text) const
{
    QRect area = rect.adjusted(cellBorder_, cellBorder_, -cellBorder_, -cellBorder_);
    int flags = Qt::AlignTop | Qt::TextExpandTabs | ToQtAlignment(alignment_);
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    if (layout_ != VerticalLayout::Top) {
        const int spare = area.height() - painter.fontMetrics().boundingRect(area, flags, text).height();
        area.translate(0, layout_ == VerticalLayout::Bottom ? spare : spare / 2);
    }
    painter.drawText(area, flags, text);
}

} // namespace widgets::calendar
