// The dictionary files English.dic and Custom.dic: 8-bit text in the diary code page, one word
// per line.
#pragma once

#include "base/text/TextLines.h"

#include <string>
#include <string_view>

namespace formats::wordlists {

// The entries of a dictionary file: a line ends at CR, LF or CR LF and is taken exactly as
// written (an empty line is an empty entry); a line end at the very end adds nothing, and a NUL
// byte ends the text. Written back, each entry is followed by CR LF (JoinLines).
base::text::LineList ParseDictionary(std::string_view bytes);

// The word with the letters A to Z lower-cased; every other byte stays as it is.
std::string LowerCaseAscii(std::string_view word);

// A dictionary file made from a UTF-8 word list with one word a line (as /usr/share/dict holds
// them): the words in the code page, those it cannot hold and empty lines left out, each followed by
// CR LF.
std::string DictionaryFromWordList(std::string_view utf8, int codePage);

} // namespace formats::wordlists
