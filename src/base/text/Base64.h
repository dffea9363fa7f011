// Base64 (RFC 4648, with padding): pictures carried inside HTML and Markdown as data: addresses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace base::text {

std::string ToBase64(std::string_view bytes);

// The bytes, or nothing when the text is not Base64 (blanks and line ends are passed over).
std::optional<std::string> FromBase64(std::string_view text);

} // namespace base::text
