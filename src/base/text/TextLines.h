// Text as a list of lines, the way the diary stores it: lines end at CR LF, a lone CR or a
// lone LF, and every line is written back followed by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace base::text {

using LineList = std::vector<std::string>;

// Splits text into lines; a line break at the very end adds no empty line.
LineList SplitLines(std::string_view text);

// Every line followed by CR LF; an empty list gives an empty text.
std::string JoinLines(const LineList& lines);

} // namespace base::text
