// The registry of the current user, kept in a per-user file in the registry export format
// (RegFile.h). A Registry object is one accessor over that file: a hive, at most one open key,
// and typed value reads and writes. Every write locks the file, reads it again, changes the one
// value and replaces the file whole, so that no run leaves it half-written and two accessors
// (or two programs) do not undo each other's changes.
#pragma once

#include "platform/RegFile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Windows handles of the predefined keys.
enum RegHive : uint32_t {
    HKEY_CLASSES_ROOT = 0x80000000,
    HKEY_CURRENT_USER = 0x80000001,
    HKEY_LOCAL_MACHINE = 0x80000002,
    HKEY_USERS = 0x80000003,
    HKEY_PERFORMANCE_DATA = 0x80000004,
    HKEY_CURRENT_CONFIG = 0x80000005,
    HKEY_DYN_DATA = 0x80000006,
};

// DAYBROOK_REGISTRY when set and not empty, else $XDG_CONFIG_HOME/daybrook/registry.reg
// (~/.config/daybrook/registry.reg without XDG_CONFIG_HOME).
std::filesystem::path RegistryPath();

// Where problems with the registry file itself are told (a damaged file set aside, an
// unreadable file): once for each damaged content. Without a handler they go to stderr.
void SetRegistryProblemHandler(std::function<void(const std::string& message)> handler);

class Registry {
public:
    explicit Registry(std::filesystem::path file = RegistryPath());

    uint32_t RootKey() const { return hive_; }
    // Switching to another hive closes the open key.
    void SetRootKey(uint32_t hive);

    // Opens the key below the hive; with canCreate a missing key (and its missing levels) is
    // created, reaching the file with the first value written into it. False when the key is
    // missing and may not be created, or the path is not a valid key path.
    bool OpenKey(std::string_view path, bool canCreate);
    void CloseKey();
    bool HasOpenKey() const { return key_.has_value(); }

    bool ValueExists(std::string_view name) const;
    // Nothing when the open key has no such value (or no key is open).
    std::optional<RegData> ReadValue(std::string_view name) const;
    // A value that the file holds already is not written again. False when no key is open or
    // the file cannot be written; LastError() then says why.
    bool WriteValue(std::string_view name, const RegData& data);

    const std::string& LastError() const { return error_; }

private:
    void Reload();

    std::filesystem::path file_;
    uint32_t hive_ = HKEY_CURRENT_USER;
    std::optional<std::string> key_;
    RegDocument document_;
    std::string error_;
};

} // namespace platform
