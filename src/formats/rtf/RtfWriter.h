// Writing a diary body as RTF the way the Windows rich-edit control writes it: 7-bit text,
// lines ending in CR LF, characters of the code page as \'hh and all others as \uN?, and "@"
// always as \'40 so that the record format never sees "@@" inside a body.
#pragma once

#include "formats/rtf/RichText.h"

#include <string>

namespace formats::rtf {

// defaults fills in the font and size of formats that leave them unspecified.
std::string WriteRtf(const RichText& text, int codePage, const CharFormat& defaults);

} // namespace formats::rtf
