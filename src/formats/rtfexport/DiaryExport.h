// The whole diary as one RTF document that word processors open: every record in list order
// (oldest first once the records are sorted), each under its heading paragraph — an empty
// paragraph, then the date, " - " and the title in the body font, bold, underlined and
// 14 points — followed by its body with its own formatting.
#pragma once

#include "base/text/TextLines.h"
#include "formats/rtf/RichText.h"

#include <cstddef>
#include <functional>
#include <string>

namespace formats::rtfexport {

struct ExportOptions {
    // The diary code page: that of titles and plain-text bodies, and the document's own.
    int CodePage = 1252;
    // The body font (name in UTF-8, size, colour, italic, strike-out) the headings are set in.
    formats::rtf::CharFormat BodyFont;
    // The date as the locale writes it short, in UTF-8.
    std::function<std::string(int year, int month, int day)> ShortDate;
};

// Told after each record: how many are done, of how many.
using ExportProgress = std::function<void(size_t done, size_t total)>;

std::string ExportDiary(const base::text::LineList& records, const ExportOptions& options,
                        const ExportProgress& progress = {});

} // namespace formats::rtfexport
