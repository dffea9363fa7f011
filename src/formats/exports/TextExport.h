// The diary as plain UTF-8 text: for each day a line with its date, title and mood, then the
// body's text, then a blank line.
#pragma once

#include "base/text/TextLines.h"
#include "formats/exports/ExportedDay.h"

#include <string>

namespace formats::exports {

std::string ExportText(const base::text::LineList& records, int codePage, const ExportProgress& progress = {});

} // namespace formats::exports
