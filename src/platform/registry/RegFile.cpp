#include "platform/registry/RegFile.h"

#include "base/text/CodePage.h"
#include "base/text/TextLines.h"
#include "platform/locale/CharCase.h"
#include "platform/locale/DiaryCodePage.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::text::AppendUtf8;
using base::text::LineList;
using base::text::SplitLines;
using base::text::Utf8ToCodePage;
using platform::locale::DiaryCodePage;
using platform::locale::UpperCase;

namespace platform::registry {

namespace {

constexpr std::array<std::string_view, 7> HiveNames{
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
};
constexpr auto FirstHive = static_cast<uint32_t>(RegHive::ClassesRoot);
constexpr std::string_view Utf16Mark = "\xFF\xFE";
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Version5Header = "Windows Registry Editor Version 5.00";

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

bool SameOrBelow(std::string_view path, std::string_view key)
{
    return SameName(path, key) || (path.size() > key.size() && path[key.size()] == '\\' &&
                                   SameName(path.substr(0, key.size()), key));
}

bool HasEmptyLevel(std::string_view path)
{
    return path.empty() || path.front() == '\\' || path.back() == '\\' ||
           path.find("\\\\") != std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A quoted text at the start of `text` with \\ and \" escapes; advances past the closing quote.
std::optional<std::string> TakeQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out += text[++i];
        } else if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return out;
        } else {
            out += text[i];
        }
    }
    return std::nullopt;
}

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

template <typename Number> bool ParseHex(std::string_view text, Number& value)
{
    text = TrimBlanks(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::optional<std::string> ParseHexBytes(std::string_view list)
{
    std::string bytes;
    list = TrimBlanks(list);
    if (list.empty())
        return bytes;
    size_t start = 0;
    for (;;) {
        const size_t comma = list.find(',', start);
        const std::string_view item =
            list.substr(start, comma == std::string_view::npos ? comma : comma - start);
        unsigned value = 0;
        if (TrimBlanks(item).size() > 2 || !ParseHex(item, value))
            return std::nullopt;
        bytes += static_cast<char>(value);
        if (comma == std::string_view::npos)
            return bytes;
        start = comma + 1;
    }
}

// UTF-16LE as UTF-8; nothing for an odd number of bytes. Unpaired surrogates become U+FFFD.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::string utf8;
    utf8.reserve(bytes.size() / 2);
    const auto unit = [&](size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    for (size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(utf8, c);
    }
    return utf8;
}

std::string CodePageRefusal()
{
    return "text that code page " + std::to_string(DiaryCodePage()) + " cannot hold";
}

// The 8-bit text of an export in the run's code page: UTF-16LE and UTF-8 files (told by their
// byte-order mark) are converted line by line; other files are 8-bit already.
std::optional<std::string> EightBitText(std::string_view raw, std::string& why)
{
    std::optional<std::string> utf8;
    if (raw.starts_with(Utf16Mark)) {
        utf8 = Utf16ToUtf8(raw.substr(Utf16Mark.size()));
        if (!utf8) {
            why = "a UTF-16 file with an odd number of bytes";
            return std::nullopt;
        }
    } else if (raw.starts_with(Utf8Mark)) {
        utf8 = std::string(raw.substr(Utf8Mark.size()));
    } else {
        return std::string(raw);
    }
    std::string text;
    const LineList lines = SplitLines(*utf8);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto line = Utf8ToCodePage(lines[i], DiaryCodePage());
        if (!line) {
            why = "line " + std::to_string(i + 1) + ": " + CodePageRefusal();
            return std::nullopt;
        }
        text += *line + "\r\n";
    }
    return text;
}

bool IsStringType(RegType type)
{
    return type == RegType::String || type == RegType::ExpandString || type == RegType::MultiString;
}

std::optional<RegData> ParseData(std::string_view text, bool utf16Strings, std::string& why)
{
    text = TrimBlanks(text);
    if (text.front() == '"') {
        auto value = TakeQuoted(text);
        if (!value || !TrimBlanks(text).empty())
            return std::nullopt;
        return RegData{RegType::String, *value + '\0'};
    }
    if (text.starts_with("dword:")) {
        uint32_t value = 0;
        if (TrimBlanks(text.substr(6)).size() > 8 || !ParseHex(text.substr(6), value))
            return std::nullopt;
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
        return RegData{RegType::Dword, bytes};
    }
    auto type = RegType::Binary;
    if (text.starts_with("hex(")) {
        const size_t close = text.find("):");
        uint32_t number = 0;
        if (close == std::string_view::npos || !ParseHex(text.substr(4, close - 4), number))
            return std::nullopt;
        type = static_cast<RegType>(number);
        text.remove_prefix(close + 2);
    } else if (text.starts_with("hex:")) {
        text.remove_prefix(4);
    } else {
        return std::nullopt;
    }
    auto bytes = ParseHexBytes(text);
    if (!bytes)
        return std::nullopt;
    if (utf16Strings && IsStringType(type)) {
        // Version 5.00 exports hold the text of string values as UTF-16LE.
        const auto utf8 = Utf16ToUtf8(*bytes);
        bytes = utf8 ? Utf8ToCodePage(*utf8, DiaryCodePage()) : std::nullopt;
        if (!bytes) {
            why = utf8 ? CodePageRefusal() : "a value that cannot be read";
            return std::nullopt;
        }
    }
    return RegData{type, std::move(*bytes)};
}

bool IsPlainString(const RegData& data)
{
    return data.Type == RegType::String && !data.Bytes.empty() &&
           data.Bytes.find('\0') == data.Bytes.size() - 1 &&
           data.Bytes.find_first_of("\r\n") == std::string::npos;
}

std::string HexList(std::string line, const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        line += digits[b >> 4];
        line += digits[b & 15];
        if (i + 1 < bytes.size()) {
            line += ',';
            if (line.size() > 76) {
                out += line + "\\\r\n";
                line = "  ";
            }
        }
    }
    return out + line;
}

std::string FormatValue(const RegNamedValue& value)
{
    std::string line = (value.Name.empty() ? std::string("@") : Quoted(value.Name)) + '=';
    const RegData& data = value.Data;
    if (IsPlainString(data))
        return line + Quoted(std::string_view(data.Bytes).substr(0, data.Bytes.size() - 1));
    if (data.Type == RegType::Dword && data.Bytes.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = number << 8 | static_cast<unsigned char>(data.Bytes[static_cast<size_t>(i)]);
        char text[9];
        std::snprintf(text, sizeof text, "%08x", number);
        return line + "dword:" + text;
    }
    if (data.Type == RegType::Binary)
        return HexList(line + "hex:", data.Bytes);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<uint32_t>(data.Type));
    return HexList(line + prefix, data.Bytes);
}

bool ValidHivePath(std::string_view path)
{
    const std::string_view hive = path.substr(0, path.find('\\'));
    return !HasEmptyLevel(path) &&
           std::any_of(HiveNames.begin(), HiveNames.end(), [&](auto name) { return SameName(name, hive); });
}

} // namespace

bool RegDocument::KeyExists(std::string_view path) const
{
    return std::any_of(keys_.begin(), keys_.end(),
                       [&](const RegKey& key) { return SameOrBelow(key.Path, path); });
}

const RegData* RegDocument::FindValue(std::string_view path, std::string_view name) const
{
    for (const RegKey& key : keys_)
        if (SameName(key.Path, path))
            for (const RegNamedValue& value : key.Values)
                if (SameName(value.Name, name))
                    return &value.Data;
    return nullptr;
}

RegKey* RegDocument::FindKey(std::string_view path)
{
    const auto found =
        std::find_if(keys_.begin(), keys_.end(), [&](const RegKey& key) { return SameName(key.Path, path); });
    return found == keys_.end() ? nullptr : &*found;
}

void RegDocument::CreateKey(std::string_view path)
{
    if (FindKey(path) == nullptr)
        keys_.push_back(RegKey{std::string(path), {}});
}

void RegDocument::SetValue(std::string_view path, std::string_view name, RegData data)
{
    CreateKey(path);
    RegKey& key = *FindKey(path);
    for (RegNamedValue& value : key.Values)
        if (SameName(value.Name, name)) {
            value.Data = std::move(data);
            return;
        }
    key.Values.push_back(RegNamedValue{std::string(name), std::move(data)});
}

void RegDocument::DeleteKey(std::string_view path)
{
    std::erase_if(keys_, [&](const RegKey& key) { return SameOrBelow(key.Path, path); });
}

void RegDocument::DeleteValue(std::string_view path, std::string_view name)
{
    if (RegKey* key = FindKey(path))
        std::erase_if(key->Values, [&](const RegNamedValue& value) { return SameName(value.Name, name); });
}

Result<RegDocument> ParseRegText(std::string_view raw)
{
    const auto fail = [](size_t line, const std::string& why) {
        return Fail(Reason::Damaged, line == 0 ? why : "line " + std::to_string(line) + ": " + why);
    };
    std::string why;
    const auto text = EightBitText(raw, why);
    if (!text)
        return fail(0, why);
    const LineList lines = SplitLines(*text);
    size_t i = 0;
    while (i < lines.size() && TrimBlanks(lines[i]).empty())
        ++i;
    if (i == lines.size() || (TrimBlanks(lines[i]) != "REGEDIT4" && TrimBlanks(lines[i]) != Version5Header))
        return fail(0, "not a registry export (the first line is not REGEDIT4)");
    const bool utf16Strings = TrimBlanks(lines[i]) == Version5Header;

    RegDocument document;
    std::optional<std::string> key;
    for (++i; i < lines.size(); ++i) {
        const size_t number = i + 1;
        std::string line(TrimBlanks(lines[i]));
        while (!line.empty() && line.back() == '\\' && i + 1 < lines.size()) {
            line.pop_back();
            line += TrimBlanks(lines[++i]);
        }
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const bool remove = line.size() > 1 && line[1] == '-';
            const size_t close = line.rfind(']');
            if (close == std::string::npos || !TrimBlanks(std::string_view(line).substr(close + 1)).empty())
                return fail(number, "a key line without its closing bracket");
            const std::string path = line.substr(remove ? 2 : 1, close - (remove ? 2 : 1));
            if (!ValidHivePath(path))
                return fail(number, "not a key of a known hive: " + path);
            if (remove) {
                document.DeleteKey(path);
                key.reset();
            } else {
                document.CreateKey(path);
                key = path;
            }
            continue;
        }
        std::string_view rest = line;
        std::string name;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else if (auto quoted = TakeQuoted(rest)) {
            name = std::move(*quoted);
        } else {
            return fail(number, "neither a key nor a value");
        }
        rest = TrimBlanks(rest);
        if (!key)
            return fail(number, "a value outside any key");
        if (rest.empty() || rest.front() != '=')
            return fail(number, "a value without '='");
        rest = TrimBlanks(rest.substr(1));
        if (rest == "-") {
            document.DeleteValue(*key, name);
            continue;
        }
        why = "a value that cannot be read";
        auto data = rest.empty() ? std::nullopt : ParseData(rest, utf16Strings, why);
        if (!data)
            return fail(number, why);
        document.SetValue(*key, name, std::move(*data));
    }
    return document;
}

std::string FormatRegText(const RegDocument& document)
{
    std::string text = "REGEDIT4\r\n";
    for (const RegKey& key : document.Keys()) {
        text += "\r\n[" + key.Path + "]\r\n";
        for (const RegNamedValue& value : key.Values)
            text += FormatValue(value) + "\r\n";
    }
    return text + "\r\n";
}

std::optional<std::string_view> HiveName(RegHive hive)
{
    const auto handle = static_cast<uint32_t>(hive);
    if (handle < FirstHive || handle - FirstHive >= HiveNames.size())
        return std::nullopt;
    return HiveNames[handle - FirstHive];
}

std::optional<std::string> KeyPath(RegHive hive, std::string_view path)
{
    const auto name = HiveName(hive);
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    if (!name || (!path.empty() && HasEmptyLevel(path)) ||
        path.find_first_of("\r\n") != std::string_view::npos)
        return std::nullopt;
    return path.empty() ? std::string(*name) : std::string(*name) + '\\' + std::string(path);
}

} // namespace platform::registry
