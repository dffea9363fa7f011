// Settings: a named list of settings, each bound to one value of the registry. Items read
// their value when they are given their name, the program reads and changes the values in
// memory by name, and every item marked AutoStore is written back when the component goes,
// all of them in one write of the settings file.
#pragma once

#include "platform/registry/Registry.h"
#include "model/settings/Variant.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The hive the component's Key is below (ordinals differ from the order of the handles).
enum SettingsRoot : uint8_t {
    rkHKEY_CURRENT_USER,
    rkHKEY_CLASSES_ROOT,
    rkHKEY_LOCAL_MACHINE,
    rkHKEY_USERS,
    rkHKEY_PERFORMANCE_DATA,
    rkHKEY_CURRENT_CONFIG,
    rkHKEY_DYN_DATA,
};

// How a value is stored: vtFloat and vtDateTime as an 8-byte double (REG_BINARY), vtBoolean
// and vtInteger as REG_DWORD, vtString as REG_SZ.
enum SettingsValueType : uint8_t { vtFloat, vtBoolean, vtString, vtInteger, vtDateTime };

// GetValue/SetValue with a name no item has: "Invalid Value Name!" followed by the name.
class NameInvalidError : public Exception {
public:
    using Exception::Exception;
};

// "Invalid data type for '%s'", "Failed to set data for '%s'".
class RegistryError : public Exception {
public:
    using Exception::Exception;
};

class Settings;

class SettingsValue {
public:
    explicit SettingsValue(Settings& owner);

    // Raised when Load or Save cannot open the key.
    std::function<void(SettingsValue& sender)> OnErrorOpenKey;
    // Supplies the value when the registry has none (instead of DefValue).
    std::function<void(SettingsValue& sender, Variant& defValue)> OnGetDefValueEvent;

    Settings& Owner() const { return owner_; }

    std::string SubKey;              // a key below the owner's Key for this item alone
    SettingsValueType ValueType = vtString; // changing it later does not convert values held
    Variant Value;                  // the value in memory
    bool AutoStore = true;           // written back when the component is destroyed

    const std::string& ValueName() const { return valueName_; }
    // Also the name the program finds the item by; loads the value when the owner's AutoLoad.
    void SetValueName(std::string name);

    // The default as text: "TRUE"/"FALSE" for vtBoolean, the plain text of the value otherwise.
    std::string DefValue() const;
    // Converted with the ValueType the item has now (SetValueText's rules).
    void SetDefValue(std::string_view text);

    // Reads the value from the registry, or takes the default when it has none.
    void Load();
    // The value the registry would give when it has none: OnGetDefValueEvent's, else DefValue.
    void ApplyDefault();
    // Writes the value in memory to the registry in the representation of ValueType.
    void Save();

    // Text turned into a value of the item's own type: vtBoolean is true exactly for "TRUE" in
    // any letter case; numbers and dates follow the locale; failures raise ConvertError.
    void SetValueText(std::string_view text);

    bool AsBoolean() const { return Value.ToDouble() != 0; }
    double AsFloat() const { return Value.ToDouble(); }
    DateTime AsDateTime() const { return Value.ToDateTime(); }
    int32_t AsInteger() const { return Value.ToInteger(); }
    std::string AsString() const { return Value.ToString(); }
    void SetAsBoolean(bool value);
    void SetAsFloat(double value);
    void SetAsDateTime(DateTime value);
    void SetAsInteger(int32_t value);
    void SetAsString(std::string_view value);

private:
    Variant FromText(std::string_view text) const;
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
    // The first item whose name equals Name, both upper-cased; NameInvalidError when none.
    SettingsValue& ItemByName(std::string_view name) const;

private:
    std::vector<std::unique_ptr<SettingsValue>> items_;
};

class Settings {
public:
    explicit Settings(platform::RegistryFile store);
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
    // Adds an item and gives it its sub-key, type, default and then its name.
    SettingsValue& Declare(const SettingsValueDescription& description);

    Variant GetValue(std::string_view name) const;
    void SetValue(std::string_view name, Variant value);

    void LoadAll();
    // Writes every AutoStore item in one write of the settings file (none when all are stored
    // already). An item whose key cannot be opened is skipped; an item that cannot be
    // converted raises its error after the items before it are written; a file that cannot be
    // written raises RegistryError.
    void SaveAll();

    std::function<void(const std::string& message)> OnDestroyError;

    platform::Registry& Accessor() { return accessor_; }

private:
    friend class SettingsValue;
    void ApplyRootKey();

    SettingsRoot rootKey_ = rkHKEY_CURRENT_USER;
    platform::Registry accessor_;
    SettingsCollection items_;
};
