// The registry of the current user, kept in a per-user file in the registry export format
// (RegFile.h). A Registry object is one accessor over that file: a hive, at most one open key,
// and typed value reads and writes. Every write locks the file, reads it again, changes the
// values and replaces the file whole, so that no run leaves it half-written and two accessors
// (or two programs) do not undo each other's changes.
#pragma once

#include "platform/registry/RegFile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::registry {

// The settings store: the registry file of the current user, and where problems with the
// file itself are told (a damaged file set aside, an unreadable file), once for each damaged
// content; without a handler they go to stderr. Reads go on without the file's values, so no
// read fails for them; a write over a file that could not be read or set aside fails.
struct RegistryFile {
    std::filesystem::path File;
    std::function<void(const std::string& message)> OnProblem;
};

class Registry {
public:
    explicit Registry(RegistryFile store);

    RegHive RootKey() const { return hive_; }
    // Switching to another hive closes the open key.
    void SetRootKey(RegHive hive);

    // Opens the key below the hive; with canCreate a missing key (and its missing levels) is
    // created, reaching the file with the first value written into it. Fails when the key is
    // missing and may not be created (Missing), or the path is not a valid key path (Refused).
    base::result::Status OpenKey(std::string_view path, bool canCreate);
    void CloseKey();
    bool HasOpenKey() const { return key_.has_value(); }

    bool ValueExists(std::string_view name) const;
    // Nothing when the open key has no such value (or no key is open).
    std::optional<RegData> ReadValue(std::string_view name) const;
    // A value that the file holds already is not written again. Fails when no key is open, the
    // name is refused, or the file cannot be written (WriteFailed). Between BeginUpdate and
    // EndUpdate the value is only noted (and read back as written).
    base::result::Status WriteValue(std::string_view name, const RegData& data);

    // Collects the following writes, of any keys, for one write of the file at EndUpdate: one
    // lock, one re-read, one safe write, and none when every value is stored already. Fails
    // (WriteFailed) when the file could not be written; then none of the values is stored.
    void BeginUpdate();
    base::result::Status EndUpdate();
    // The values noted since BeginUpdate, as (key path, value name).
    std::vector<std::pair<std::string, std::string>> PendingValues() const;

private:
    struct PendingValue {
        std::string Key;
        std::string Name;
        RegData Data;
    };

    void Reload();
    base::result::Status Store(const std::vector<PendingValue>& values);

    RegistryFile store_;
    std::optional<std::vector<PendingValue>> pending_;
    RegHive hive_ = RegHive::CurrentUser;
    std::optional<std::string> key_;
    RegDocument document_;
};

} // namespace platform::registry
