// Locale-aware, case-insensitive comparison of texts in the diary code page: the order in
// which word lists, day records and names are sorted and searched.
#pragma once

#include <string>
#include <string_view>

namespace platform::locale {

// Negative, zero or positive as a sorts before, with or after b in the user's locale, letter
// case ignored ("Hello", "hello" and "HELLO" compare equal).
int CompareText(std::string_view a, std::string_view b);

// The sort key of a text: keys compare byte by byte (as std::string compares) in the order in
// which CompareText puts their texts, equal keys for texts it finds equal. A long list is
// sorted and searched by key without collating again at every comparison.
std::string CollationKey(std::string_view text);

} // namespace platform::locale
