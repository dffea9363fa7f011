// Settings: a named list of settings, each bound to one value of the registry. Items read
// their value when they are given their name, the program reads and changes the values in
// memory by name, and every item marked AutoStore is written back when the component goes,
// all of them in one write of the settings file.
#pragma once

#include "base/result/Result.h"
#include "platform/registry/Registry.h"
#include "model/settings/Variant.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model::settings {

class Settings;

// The hive the component's Key is below (ordinals differ from the order of the handles).
enum class SettingsRoot : uint8_t {
    CurrentUser,
    ClassesRoot,
    LocalMachine,
    Users,
    PerformanceData,
    CurrentConfig,
    DynData,
};

// How a value is stored: Float and DateTime as an 8-byte double (REG_BINARY), Boolean and
// Integer as REG_DWORD, String as REG_SZ.
enum class SettingsValueType : uint8_t { Float, Boolean, String, Integer, DateTime };

class SettingsValue {
public:
    explicit SettingsValue(Settings& owner);

    // Raised when Load or Save cannot open the key.
    std::function<void(SettingsValue& sender)> OnErrorOpenKey;
    // Supplies the value when the registry has none (instead of DefValue).
    std::function<void(SettingsValue& sender, Variant& defValue)> OnGetDefValueEvent;

    Settings& Owner() const { return owner_; }

    std::string SubKey; // a key below the owner's Key for this item alone
    SettingsValueType ValueType = SettingsValueType::String; // changing it later does not convert values held
    Variant Value;                                           // the value in memory
    bool AutoStore = true;                                   // written back when the component is destroyed

    const std::string& ValueName() const { return valueName_; }
    // Also the name the program finds the item by; loads the value when the owner's AutoLoad
    // (and fails as Load does).
    base::result::Status SetValueName(std::string name);

    // The default as text: "TRUE"/"FALSE" for Boolean, the plain text of the value otherwise.
    std::string DefValue() const;
    // Converted with the ValueType the item has now (SetValueText's rules).
    base::result::Status SetDefValue(std::string_view text);

    // Reads the value from the registry, or takes the default when it has none. A stored value
    // of another registry type fails (Damaged) with "Invalid data type for '%s'" and leaves the
    // value as it was.
    base::result::Status Load();
    // The value the registry would give when it has none: OnGetDefValueEvent's, else DefValue.
    void ApplyDefault();
    // Writes the value in memory to the registry in the representation of ValueType. Fails with
    // the conversion's message when the value has no such representation, and with "Failed to
    // set data for '%s'" when the registry refuses it.
    base::result::Status Save();

    // Text turned into a value of the item's own type: Boolean is true exactly for "TRUE" in
    // any letter case; numbers and dates follow the locale; text that is no such value is
    // refused and leaves the value as it was.
    base::result::Status SetValueText(std::string_view text);

    // The value in memory by the variant rules (AsBoolean: whether it differs from 0).
    base::result::Result<bool> AsBoolean() const;
    base::result::Result<double> AsFloat() const { return Value.ToDouble(); }
    base::result::Result<DateTime> AsDateTime() const { return Value.ToDateTime(); }
    base::result::Result<int32_t> AsInteger() const { return Value.ToInteger(); }
    std::string AsString() const { return Value.ToString(); }
    // Through the value's text and SetValueText, so the value keeps the item's own type.
    base::result::Status SetAsBoolean(bool value);
    base::result::Status SetAsFloat(double value);
    base::result::Status SetAsDateTime(DateTime value);
    base::result::Status SetAsInteger(int32_t value);
    base::result::Status SetAsString(std::string_view value);

private:
    base::result::Result<Variant> FromText(std::string_view text) const;
    bool OpenKey();

    Settings& owner_;
    std::string valueName_;
    Variant defValue_;
};

// One item as a window declares it: the type and default are in place before the name is
// given (and the name triggers the load).
struct SettingsValueDescription {
    const char* ValueName;
    SettingsValueType ValueType;
    std::optional<std::string_view> DefValue; // nothing: no default at all (an empty value)
    const char* SubKey = "";
    bool AutoStore = true;
};

class SettingsCollection {
public:
    SettingsValue& Add(Settings& owner);
    int Count() const { return static_cast<int>(items_.size()); }
    SettingsValue& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
    // The first item whose name equals name, both upper-cased; refused with "Invalid Value
    // Name!" followed by the name when none does.
    base::result::Result<SettingsValue*> ItemByName(std::string_view name) const;

private:
    std::vector<std::unique_ptr<SettingsValue>> items_;
};

class Settings {
public:
    explicit Settings(platform::registry::RegistryFile store);
    // Saves every AutoStore item (whatever AutoSave says), as SaveAll does. Failures are handed
    // to OnDestroyError, one for each item that could not be saved.
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    SettingsRoot RootKey() const;
    void SetRootKey(SettingsRoot rootKey);

    std::string Key = "SOFTWARE\\Your Company\\Your Program";
    bool CanCreate = true;
    bool AutoLoad = true;
    bool AutoSave = true;

    SettingsCollection& Items() { return items_; }
    const SettingsCollection& Items() const { return items_; }
    // Adds an item and gives it its sub-key, type, default and then its name. The item is
    // added even when its default cannot be converted or its stored value cannot be loaded;
    // the failure is returned.
    base::result::Status Declare(const SettingsValueDescription& description);

    // The named item's value, and a new value for it (kept in memory as it is given, whatever
    // its type); a name no item has is refused (ItemByName).
    base::result::Result<Variant> GetValue(std::string_view name) const;
    base::result::Status SetValue(std::string_view name, Variant value);

    // Loads every item in turn; stops at the first that fails.
    base::result::Status LoadAll();
    // Writes every AutoStore item in one write of the settings file (none when all are stored
    // already). An item whose key cannot be opened is skipped; at an item that cannot be
    // converted it stops, writes the items before it and fails; a file that cannot be written
    // fails with "Failed to set data for '%s'" naming the first item.
    base::result::Status SaveAll();

    std::function<void(const std::string& message)> OnDestroyError;

    platform::registry::Registry& Accessor() { return accessor_; }

private:
    friend class SettingsValue;
    void ApplyRootKey();

    SettingsRoot rootKey_ = SettingsRoot::CurrentUser;
    platform::registry::Registry accessor_;
    SettingsCollection items_;
};

} // namespace model::settings
