#include "widgets/calendar/MainCalendar.h"

#include <QPainter>

namespace widgets::calendar {

QString MainCalendar::DayStateName(model::calendar::DayState state) const
{
    return state == model::calendar::DayState::Active ? QStringLiteral("entry written") : QString();
}

void MainCalendar::SetUltraShort(bool value)
{
    ultraShort_ = value;
    UseDayNames(value ? DayNameFormat::UltraShort : DayNameFormat::Short);
}

void MainCalendar::DrawCellContent(QPainter& painter, const QRect& rect, const QString& text, bool)
{
    const QFontMetrics metrics(painter.font());
    const int x = rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2;
    const int y = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.fillRect(rect, painter.brush());
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(x, y + metrics.ascent(), text);
    painter.restore();
}

} // namespace widgets::calendar
