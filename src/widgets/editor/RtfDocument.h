// The bridge between the RTF text of a diary body and the QTextDocument the editor shows.
#pragma once

#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <QTextDocument>

#include <string>
#include <string_view>

namespace widgets::editor {

// Replaces the document's content with the RTF (or plain text) source; undo history is
// cleared and the document is left unmodified.
void RtfToDocument(std::string_view rtf, QTextDocument& document,
                   int codePage = platform::locale::DiaryCodePage());

// The whole document as RTF, each line ending in CR LF.
std::string DocumentToRtf(const QTextDocument& document, int codePage = platform::locale::DiaryCodePage());

} // namespace widgets::editor
