#include "platform/locale/TimeZones.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

namespace platform::locale {

std::optional<LocalDateTime> LocalDateTimeIn(int64_t utcSeconds, std::string_view zone)
{
    const QTimeZone timeZone(QByteArray(zone.data(), static_cast<qsizetype>(zone.size())));
    if (!timeZone.isValid())
        return std::nullopt;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(utcSeconds, timeZone);
    const QDate date = local.date();
    return LocalDateTime{date.year(), date.month(), date.day(),
                         local.time().toString(QStringLiteral("HH:mm:ss")).toStdString()};
}

} // namespace platform::locale
