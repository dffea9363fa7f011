// Small UTF-8 and UTF-16 helpers for the RTF reader and writer.
#pragma once

#include "base/text/CodePage.h"

#include <string>
#include <string_view>

namespace formats::rtf {

using base::text::AppendUtf8;

inline void AppendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// Calls f with each character of UTF-8 text; malformed bytes give U+FFFD.
template <class F>
void ForEachUtf8(std::string_view text, F&& f)
{
    for (size_t i = 0; i < text.size();)
        f(base::text::NextUtf8(text, i));
}

// Calls f with each character of UTF-16; unpaired surrogates give U+FFFD.
template <class F>
void ForEachUtf16(std::u16string_view text, F&& f)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            f(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            f(char32_t{0xFFFD});
        } else {
            f(c);
        }
    }
}

} // namespace formats::rtf
