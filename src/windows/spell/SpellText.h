// The text of a rich-text document as the spell pass reads it: one byte for each position of
// the document, the character's byte in the diary code page. A character the code page cannot
// hold in one byte, a paragraph break or an embedded object becomes a control byte and so
// separates words.
#pragma once

#include <string>

class QTextDocument;

namespace windows::spell {

std::string SpellText(const QTextDocument& document);

} // namespace windows::spell
