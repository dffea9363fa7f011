#include "widgets/calendar/MainCalendar.h"

#include <QPainter>

namespace calendar {

QStringList MainCalendar::About()
{
    return {
        QStringLiteral("A month calendar. Click a day or move with the arrow keys to select it;"),
        QStringLiteral("OnChange tells when the selected date changes."),
        QStringLiteral("ActiveDays is a comma-separated list of active days, for example 1,5,17;"),
        QStringLiteral("they are drawn in ActiveColor on ActiveBGColor."),
        QStringLiteral("UltraShort (Boolean) shows only the first letter of each day name."),
    };
}

void MainCalendar::SetUltraShort(bool value)
{
    UltraShortNames = value;
    UseDayNames(value ? dfUltraShort : dfShort);
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

} // namespace calendar
