// Markdown (CommonMark with strike-through and <u> underline) as formatted text: paragraphs,
// headings in bold, list items with their bullet or number, quotes in italics, code in a
// fixed-pitch font; emphasis, strong, strike-out and underline kept.
#pragma once

#include "formats/rtf/RichText.h"

#include <functional>
#include <string>
#include <string_view>

namespace formats::imports {

// Told of each image ![alt](address); gives the picture, or the text that stands in for it.
using ImageRun = std::function<formats::rtf::TextRun(std::string_view address, std::u16string_view alt)>;

// Without imageRun, an image is its alternative text in brackets.
formats::rtf::RichText MarkdownToRichText(std::string_view markdown, const ImageRun& imageRun = {});

} // namespace formats::imports
