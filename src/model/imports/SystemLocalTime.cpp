#include "model/imports/SystemLocalTime.h"

#include "platform/locale/TimeZones.h"

using formats::imports::LocalMoment;
using platform::locale::LocalDateTimeIn;

namespace model::imports {

std::optional<LocalMoment> SystemLocalTime(int64_t utcSeconds, std::string_view zone)
{
    const auto local = LocalDateTimeIn(utcSeconds, zone);
    if (!local)
        return std::nullopt;
    return LocalMoment{{local->Year, local->Month, local->Day}, local->Time};
}

} // namespace model::imports
