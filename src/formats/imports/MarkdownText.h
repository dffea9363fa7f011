// Markdown (CommonMark with strike-through and <u> underline) as formatted text: paragraphs,
// headings in bold, list items with their bullet or number, quotes in italics, code in a
// fixed-pitch font; emphasis, strong, strike-out and underline kept.
#pragma once

#include "formats/rtf/RichText.h"

#include <functional>
#include <string>
#include <string_view>

namespace formats::imports {

// Told of each image ![alt](address); gives the text that stands in for it.
using ImageText = std::function<std::u16string(std::string_view address, std::u16string_view alt)>;

formats::rtf::RichText MarkdownToRichText(std::string_view markdown, const ImageText& imageText = {});

} // namespace formats::imports
