// Local calendar time of a moment in a named time zone, from the system's time-zone database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::locale {

struct LocalDateTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    std::string Time; // "HH:MM:SS"
};

// The moment (seconds since 1970 UTC) in the zone (an IANA name such as "Europe/Berlin");
// nothing when the system does not know the zone.
std::optional<LocalDateTime> LocalDateTimeIn(int64_t utcSeconds, std::string_view zone);

} // namespace platform::locale
