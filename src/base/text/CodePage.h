// Windows 8-bit code pages: conversions between them and Unicode (UTF-8), the code page of a
// locale name and of an RTF font character set. Which code page the diary uses is the
// platform's choice (platform/DiaryCodePage.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace base::text {

// Whether this system can convert text of the code page (1250..1258, 874, 932, 936, 949, 950).
bool IsKnownCodePage(int codePage);

// The Windows ANSI code page of a POSIX locale name such as "el_GR.UTF-8" (1252 if unknown).
int CodePageForLocale(std::string_view locale);

// For single-byte code pages, the Unicode character of each byte (bytes the code page leaves
// undefined map to U+0080..U+00FF of the same value, as Windows maps them); nullptr for the
// double-byte code pages and for code pages this system cannot convert.
const std::array<char32_t, 256>* SingleByteTable(int codePage);

// Text in the code page to UTF-8. Never fails: bytes that do not decode become U+FFFD.
std::string CodePageToUtf8(std::string_view bytes, int codePage);

// UTF-8 to the code page; nothing when a character has no place in it (it is never replaced
// by "?").
std::optional<std::string> Utf8ToCodePage(std::string_view utf8, int codePage);

// The Windows code page of a font character set as RTF names it (\fcharsetN: 161 Greek is
// 1253, 204 Cyrillic 1251, ...); `fallback` for the ANSI and default sets (0, 1) and for sets
// without a code page of their own.
int CodePageForCharset(int charset, int fallback);

// The font character set that declares text of a code page (1253 gives 161); 0 when unknown.
int CharsetForCodePage(int codePage);

// Appends a character to UTF-8 text.
void AppendUtf8(std::string& out, char32_t c);

// Decodes the UTF-8 character at text[i] and advances i past it; U+FFFD for malformed input.
char32_t NextUtf8(std::string_view text, size_t& i);

// Whether the code page uses two bytes for some characters (932, 936, 949, 950).
bool IsDoubleByteCodePage(int codePage);

} // namespace base::text
