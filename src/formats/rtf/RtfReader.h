// Reading a diary body: RTF as rich-edit controls and word processors write it, or plain text
// when the body is not RTF. Never fails: damaged input gives whatever could be read.
#pragma once

#include "formats/rtf/RichText.h"
#include "base/text/CodePage.h"

#include <string>
#include <string_view>

namespace formats::rtf {

// Whether the text is RTF ("{\rtf" at its start); anything else loads as plain text lines.
bool IsRtf(std::string_view source);

// The formatted text of an RTF document. codePage decodes \'hh when the document names no
// code page, and plain text.
RichText ReadRtf(std::string_view source, int codePage);

// The text the editor shows after loading the same source, in UTF-8, as QTextDocument's plain
// text gives it (paragraphs and line breaks as '\n', non-breaking spaces as blanks), without
// building a document.
std::string PlainText(std::string_view source, int codePage);

} // namespace formats::rtf
