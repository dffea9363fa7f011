// The local time of a moment in a time zone, from the system's time-zone database, as the
// journal readers ask for it.
#pragma once

#include "formats/imports/JournalSources.h"

namespace model::imports {

std::optional<formats::imports::LocalMoment> SystemLocalTime(int64_t utcSeconds, std::string_view zone);

} // namespace model::imports
