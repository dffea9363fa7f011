// Small UTF-8 and UTF-16 helpers for the RTF reader and writer.
#pragma once

#include <string>
#include <string_view>

namespace rtf {

inline void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

inline void AppendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// Calls f with each character of well-formed UTF-8; malformed bytes give U+FFFD.
template <class F>
void ForEachUtf8(std::string_view text, F&& f)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        if (lead < 0x80) {
            f(static_cast<char32_t>(lead));
            continue;
        }
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        char32_t c = extra < 0 ? 0 : lead & (0x3F >> extra);
        bool valid = extra > 0 && i + static_cast<size_t>(extra) <= text.size();
        for (int k = 0; valid && k < extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i]);
            valid = (next & 0xC0) == 0x80;
            if (valid) {
                c = c << 6 | (next & 0x3F);
                ++i;
            }
        }
        f(valid ? c : char32_t{0xFFFD});
    }
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

} // namespace rtf
