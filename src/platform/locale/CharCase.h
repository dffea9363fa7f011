// Upper-casing of 8-bit text in the diary code page, character by character, the way the
// platform's ANSI case mapping does it (accented letters of the code page change too).
#pragma once

#include <string>
#include <string_view>

namespace platform::locale {

std::string UpperCase(std::string_view text);

} // namespace platform::locale
