// The whole diary as one self-contained UTF-8 HTML page: a heading per day with its date, title
// and mood, then the body with its bold, italic, underline, strike-out, colours, fonts and
// alignment, styled to read well on screen and on paper.
#pragma once

#include "base/text/TextLines.h"
#include "formats/exports/ExportedDay.h"
#include "formats/rtf/RichText.h"

#include <string>

namespace formats::exports {

struct HtmlOptions {
    int CodePage = 1252;     // of titles and plain-text bodies
    std::string DiaryName;   // the page's title, UTF-8
};

std::string ExportHtml(const base::text::LineList& records, const HtmlOptions& options,
                       const ExportProgress& progress = {});

// The body alone as HTML paragraphs (no page around it).
std::string BodyHtml(const formats::rtf::RichText& text);

} // namespace formats::exports
