// The registry store's file: the text format of a Windows registry export ("REGEDIT4", keys in
// brackets, "name"="text", dword:, hex: and hex(n): values), parsed into a document of keys and
// typed values and written back so that the export tools of Windows can import it.
// Key and value names compare without regard to letter case, as on Windows. Exports in the
// "Windows Registry Editor Version 5.00" form, UTF-16LE with a byte-order mark and the data of
// string values in UTF-16, are read as well, their text converted to the run's code page; what
// is written is always the 8-bit REGEDIT4 form.
#pragma once

#include "base/result/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// Registry data types, numbered as Windows numbers them; a value of any other number is kept
// with its number.
enum class RegType : uint32_t {
    None = 0,
    String = 1,       // REG_SZ: text and a terminating NUL
    ExpandString = 2, // REG_EXPAND_SZ
    Binary = 3,       // REG_BINARY
    Dword = 4,        // REG_DWORD: 4 bytes, little-endian
    MultiString = 7,  // REG_MULTI_SZ
};

// The predefined keys, by their Windows handles.
enum class RegHive : uint32_t {
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    PerformanceData = 0x80000004,
    CurrentConfig = 0x80000005,
    DynData = 0x80000006,
};

struct RegData {
    RegType Type = RegType::None;
    std::string Bytes; // exactly as the registry holds them
    bool operator==(const RegData&) const = default;
};

struct RegNamedValue {
    std::string Name; // empty for the key's default value
    RegData Data;
};

struct RegKey {
    std::string Path; // full path with the hive's name first, "HKEY_CURRENT_USER\SOFTWARE\..."
    std::vector<RegNamedValue> Values;
};

class RegDocument {
public:
    const std::vector<RegKey>& Keys() const { return keys_; }

    // The key itself, or one below it, is in the document.
    bool KeyExists(std::string_view path) const;
    const RegData* FindValue(std::string_view path, std::string_view name) const;

    void CreateKey(std::string_view path);
    void SetValue(std::string_view path, std::string_view name, RegData data);
    // Removes the key and every key below it.
    void DeleteKey(std::string_view path);
    void DeleteValue(std::string_view path, std::string_view name);

private:
    RegKey* FindKey(std::string_view path);
    std::vector<RegKey> keys_;
};

// Fails (Damaged, with the reason and the line) when the text is not a registry export, or
// holds text that the run's code page cannot hold.
base::result::Result<RegDocument> ParseRegText(std::string_view text);

// The export text, lines ending in CR LF.
std::string FormatRegText(const RegDocument& document);

// The name of a predefined key ("HKEY_CURRENT_USER"); nothing for any other handle.
std::optional<std::string_view> HiveName(RegHive hive);

// Joins a hive and a path below it into a document path: leading and trailing backslashes of
// the path are dropped; nothing when the path has an empty level ("A\\B").
std::optional<std::string> KeyPath(RegHive hive, std::string_view path);

} // namespace platform::registry
