// Finds the web and mail addresses in a paragraph of text, as the body shows them as links:
// addresses starting with a scheme (http:, https:, ftp:, file:, mailto:, news:, ...) or
// "www.", and plain mail addresses such as name@example.org.
#pragma once

#include <string_view>
#include <vector>

namespace widgets::editor {

struct Link {
    size_t Start; // in UTF-16 code units
    size_t Length;

    bool operator==(const Link&) const = default;
};

std::vector<Link> FindLinks(std::u16string_view text);

} // namespace widgets::editor
