// The code page the diary text is kept in for the whole run (passwords, records, words and
// names are bytes in it): chosen once at start from the user's locale, as Windows chooses its
// ANSI code page, and set by the program's services before any window opens.
#pragma once

#include <string_view>

namespace platform::locale {

// The code page set for this run; 1252 until one is set.
int DiaryCodePage();

// Sets the run's code page; one that this system cannot convert is ignored (false).
bool SetDiaryCodePage(int codePage);

// The code page for a locale setting (LC_ALL, LC_CTYPE or LANG), with an explicit choice
// ("1253") taking precedence when it names a code page this system converts.
int ChooseDiaryCodePage(std::string_view forced, std::string_view locale);

} // namespace platform::locale
