// The one message the user reads after another copy of the diary was merged in: how many days
// came in and which dates now hold two texts.
#pragma once

#include "model/session/DiarySession.h"

#include <functional>
#include <string>

namespace model::session {

// dateText: a date as the user reads it (UTF-8); the message is UTF-8 too.
std::string MergeMessage(const MergeNews& news, const std::function<std::string(const formats::diary::DayDate&)>& dateText);

} // namespace model::session
