#include "model/settings/Settings.h"

#include "platform/locale/CharCase.h"
#include "model/settings/ValueText.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstring>

using platform::RegData;

namespace {

// Windows handles of the hives, by SettingsRoot ordinal.
constexpr std::array<uint32_t, 7> HiveHandles{
    platform::HKEY_CURRENT_USER, platform::HKEY_CLASSES_ROOT,     platform::HKEY_LOCAL_MACHINE,
    platform::HKEY_USERS,        platform::HKEY_PERFORMANCE_DATA, platform::HKEY_CURRENT_CONFIG,
    platform::HKEY_DYN_DATA,
};

std::string LittleEndian(uint64_t value, size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

uint64_t FromLittleEndian(const std::string& bytes)
{
    uint64_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

RegData DoubleData(double value)
{
    return {platform::rtBinary, LittleEndian(std::bit_cast<uint64_t>(value), 8)};
}

RegData DwordData(int32_t value)
{
    return {platform::rtDword, LittleEndian(static_cast<uint32_t>(value), 4)};
}

// The stored data as a value of the type; nothing when the registry type does not fit.
std::optional<Variant> Decode(const RegData& data, SettingsValueType type)
{
    switch (type) {
    case vtFloat:
    case vtDateTime: {
        if (data.Type != platform::rtBinary || data.Bytes.size() != 8)
            return std::nullopt;
        const double value = std::bit_cast<double>(FromLittleEndian(data.Bytes));
        return type == vtFloat ? Variant(value) : Variant(DateTime{value});
    }
    case vtBoolean:
    case vtInteger: {
        if (data.Type != platform::rtDword || data.Bytes.size() != 4)
            return std::nullopt;
        const auto value = static_cast<int32_t>(static_cast<uint32_t>(FromLittleEndian(data.Bytes)));
        return type == vtBoolean ? Variant(value != 0) : Variant(value);
    }
    case vtString:
        if (data.Type != platform::rtString && data.Type != platform::rtExpandString)
            return std::nullopt;
        return Variant(data.Bytes.substr(0, data.Bytes.find('\0')));
    }
    return std::nullopt;
}

RegData Encode(const Variant& value, SettingsValueType type)
{
    switch (type) {
    case vtFloat:
        return DoubleData(value.ToDouble());
    case vtDateTime:
        return DoubleData(value.ToDateTime().Value);
    case vtBoolean:
        return DwordData(value.ToBoolean() ? 1 : 0);
    case vtInteger:
        return DwordData(value.ToInteger());
    case vtString:
        break;
    }
    return {platform::rtString, value.ToString() + '\0'};
}

std::string Quoted(const std::string& name)
{
    std::string quoted(1, '\'');
    quoted.append(name);
    return quoted += '\'';
}

} // namespace

// ---- SettingsValue ----

SettingsValue::SettingsValue(Settings& owner) : owner_(owner) {}

void SettingsValue::SetValueName(std::string name)
{
    valueName_ = std::move(name);
    if (owner_.AutoLoad)
        Load();
}

std::string SettingsValue::DefValue() const
{
    if (ValueType == vtBoolean)
        return defValue_.ToBoolean() ? "TRUE" : "FALSE";
    return defValue_.ToString();
}

void SettingsValue::SetDefValue(std::string_view text)
{
    defValue_ = FromText(text);
}

Variant SettingsValue::FromText(std::string_view text) const
{
    const auto format = platform::FormatSettings();
    switch (ValueType) {
    case vtFloat:
        return StrToFloat(text, format);
    case vtBoolean:
        return platform::UpperCase(text) == "TRUE";
    case vtInteger:
        return StrToInt(text);
    case vtDateTime:
        return StrToDateTime(text, format);
    case vtString:
        break;
    }
    return std::string(text);
}

void SettingsValue::SetValueText(std::string_view text)
{
    Value = FromText(text);
}

void SettingsValue::SetAsBoolean(bool value)
{
    SetValueText(value ? "TRUE" : "FALSE");
}

void SettingsValue::SetAsFloat(double value)
{
    SetValueText(FloatToStr(value, platform::FormatSettings()));
}

void SettingsValue::SetAsDateTime(DateTime value)
{
    SetValueText(DateTimeToStr(value, platform::FormatSettings()));
}

void SettingsValue::SetAsInteger(int32_t value)
{
    SetValueText(std::to_string(value));
}

void SettingsValue::SetAsString(std::string_view value)
{
    SetValueText(value);
}

bool SettingsValue::OpenKey()
{
    platform::Registry& registry = owner_.accessor_;
    registry.CloseKey();
    const std::string path = SubKey.empty() ? owner_.Key : owner_.Key + '\\' + SubKey;
    if (registry.OpenKey(path, owner_.CanCreate))
        return true;
    if (OnErrorOpenKey)
        OnErrorOpenKey(*this);
    return false;
}

void SettingsValue::Load()
{
    if (!OpenKey())
        return;
    if (const auto stored = owner_.accessor_.ReadValue(valueName_)) {
        auto value = Decode(*stored, ValueType);
        if (!value)
            throw RegistryError("Invalid data type for " + Quoted(valueName_));
        Value = std::move(*value);
    } else {
        ApplyDefault();
    }
}

void SettingsValue::ApplyDefault()
{
    if (OnGetDefValueEvent)
        OnGetDefValueEvent(*this, Value);
    else
        Value = defValue_;
}

void SettingsValue::Save()
{
    if (!OpenKey())
        return;
    const RegData data = Encode(Value, ValueType);
    if (!owner_.accessor_.WriteValue(valueName_, data))
        throw RegistryError("Failed to set data for " + Quoted(valueName_));
}

// ---- SettingsCollection ----

SettingsValue& SettingsCollection::Add(Settings& owner)
{
    return *items_.emplace_back(std::make_unique<SettingsValue>(owner));
}

SettingsValue& SettingsCollection::ItemByName(std::string_view name) const
{
    const std::string wanted = platform::UpperCase(name);
    for (const auto& item : items_)
        if (platform::UpperCase(item->ValueName()) == wanted)
            return *item;
    throw NameInvalidError("Invalid Value Name!" + std::string(name));
}

// ---- Settings ----

Settings::Settings(platform::RegistryFile store) : accessor_(std::move(store))
{
    ApplyRootKey();
}

Settings::~Settings()
{
    std::vector<std::string> errors;
    accessor_.BeginUpdate();
    for (int i = 0; i < items_.Count(); ++i) {
        if (!items_[i].AutoStore)
            continue;
        try {
            ApplyRootKey();
            items_[i].Save();
        } catch (const std::exception& error) {
            errors.emplace_back(error.what());
        }
    }
    const auto noted = accessor_.PendingValues();
    if (!accessor_.EndUpdate())
        for (const auto& [key, name] : noted)
            errors.push_back("Failed to set data for " + Quoted(name));
    for (const std::string& message : errors) {
        if (OnDestroyError)
            OnDestroyError(message);
        else
            std::fprintf(stderr, "daybrook: %s\n", message.c_str());
    }
}

SettingsRoot Settings::RootKey() const
{
    for (size_t i = 0; i < HiveHandles.size(); ++i)
        if (HiveHandles[i] == accessor_.RootKey())
            return static_cast<SettingsRoot>(i);
    return rkHKEY_CURRENT_USER;
}

void Settings::SetRootKey(SettingsRoot rootKey)
{
    rootKey_ = rootKey;
    ApplyRootKey();
}

void Settings::ApplyRootKey()
{
    accessor_.SetRootKey(HiveHandles.at(rootKey_));
}

SettingsValue& Settings::Declare(const SettingsValueDescription& description)
{
    SettingsValue& item = items_.Add(*this);
    item.SubKey = description.SubKey;
    item.ValueType = description.ValueType;
    if (description.DefValue)
        item.SetDefValue(*description.DefValue);
    item.AutoStore = description.AutoStore;
    item.SetValueName(description.ValueName);
    return item;
}

Variant Settings::GetValue(std::string_view name) const
{
    return items_.ItemByName(name).Value;
}

void Settings::SetValue(std::string_view name, Variant value)
{
    items_.ItemByName(name).Value = std::move(value);
}

void Settings::LoadAll()
{
    for (int i = 0; i < items_.Count(); ++i) {
        ApplyRootKey();
        items_[i].Load();
    }
}

void Settings::SaveAll()
{
    accessor_.BeginUpdate();
    try {
        for (int i = 0; i < items_.Count(); ++i) {
            if (!items_[i].AutoStore)
                continue;
            ApplyRootKey();
            items_[i].Save();
        }
    } catch (...) {
        accessor_.EndUpdate(); // the items before the failing one are saved
        throw;
    }
    const auto noted = accessor_.PendingValues();
    if (!accessor_.EndUpdate() && !noted.empty())
        throw RegistryError("Failed to set data for " + Quoted(noted.front().second));
}
