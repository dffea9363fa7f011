// The YAML front matter of a Markdown note: the block between a first line "---" and the next
// "---" line. Only what daily notes use is read: "key: value" lines with plain, single- or
// double-quoted values, and lists as [a, b] or "- item" lines below their key.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace formats::imports {

struct FrontMatter {
    std::map<std::string, std::vector<std::string>> Values; // a plain value is a list of one
    std::string_view Body;                                  // the note after the front matter
};

FrontMatter ReadFrontMatter(std::string_view note);

} // namespace formats::imports
