// One diary record as the exports to HTML, Markdown and text see it: an ISO date, the mood, the
// title in UTF-8 and the body as stored.
#pragma once

#include "formats/rtf/RichText.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace formats::exports {

struct ExportedDay {
    std::string Date;         // YYYY-MM-DD; the record's first eight characters when they are no date
    std::optional<int> Mood;  // 0 to 9
    std::string Title;        // UTF-8
    std::string Body;         // the body as stored: RTF, or plain text
};

ExportedDay ReadExportedDay(std::string_view record, int codePage);

// "image/png" and "image/jpeg" for the kinds a page shows; empty for the others.
std::string_view PictureMediaType(formats::rtf::PictureKind kind);

// Told after each record: how many are done, of how many.
using ExportProgress = std::function<void(size_t done, size_t total)>;

} // namespace formats::exports
