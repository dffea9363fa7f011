// Locale-aware, case-insensitive comparison of texts in the diary code page: the order in
// which word lists, day records and names are sorted and searched.
#pragma once

#include <string_view>

namespace platform {

// Negative, zero or positive as a sorts before, with or after b in the user's locale, letter
// case ignored ("Hello", "hello" and "HELLO" compare equal).
int CompareText(std::string_view a, std::string_view b);

} // namespace platform
