#include "model/settings/Settings.h"

#include "platform/locale/CharCase.h"
#include "model/settings/ValueText.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstring>

using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::result::Status;
using platform::locale::FormatSettings;
using platform::locale::UpperCase;
using platform::registry::RegData;
using platform::registry::RegHive;
using platform::registry::Registry;
using platform::registry::RegistryFile;
using platform::registry::RegType;

namespace model::settings {

using platform::registry::RegData;

namespace {

using platform::registry::RegHive;
using platform::registry::RegType;

// The hives by SettingsRoot ordinal.
constexpr std::array<RegHive, 7> Hives{
    RegHive::CurrentUser,     RegHive::ClassesRoot,   RegHive::LocalMachine, RegHive::Users,
    RegHive::PerformanceData, RegHive::CurrentConfig, RegHive::DynData,
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
    return {RegType::Binary, LittleEndian(std::bit_cast<uint64_t>(value), 8)};
}

RegData DwordData(int32_t value)
{
    return {RegType::Dword, LittleEndian(static_cast<uint32_t>(value), 4)};
}

// The stored data as a value of the type; nothing when the registry type does not fit.
std::optional<Variant> Decode(const RegData& data, SettingsValueType type)
{
    switch (type) {
    case SettingsValueType::Float:
    case SettingsValueType::DateTime: {
        if (data.Type != RegType::Binary || data.Bytes.size() != 8)
            return std::nullopt;
        const double value = std::bit_cast<double>(FromLittleEndian(data.Bytes));
        return type == SettingsValueType::Float ? Variant(value) : Variant(DateTime{value});
    }
    case SettingsValueType::Boolean:
    case SettingsValueType::Integer: {
        if (data.Type != RegType::Dword || data.Bytes.size() != 4)
            return std::nullopt;
        const auto value = static_cast<int32_t>(static_cast<uint32_t>(FromLittleEndian(data.Bytes)));
        return type == SettingsValueType::Boolean ? Variant(value != 0) : Variant(value);
    }
    case SettingsValueType::String:
        if (data.Type != RegType::String && data.Type != RegType::ExpandString)
            return std::nullopt;
        return Variant(data.Bytes.substr(0, data.Bytes.find('\0')));
    }
    return std::nullopt;
}

// The value in the representation of the type; fails where the variant rules give no value.
Result<RegData> Encode(const Variant& value, SettingsValueType type)
{
    switch (type) {
    case SettingsValueType::Float: {
        const auto number = value.ToDouble();
        if (!number)
            return number.Error();
        return DoubleData(*number);
    }
    case SettingsValueType::DateTime: {
        const auto date = value.ToDateTime();
        if (!date)
            return date.Error();
        return DoubleData(date->Value);
    }
    case SettingsValueType::Boolean: {
        const auto flag = value.ToBoolean();
        if (!flag)
            return flag.Error();
        return DwordData(*flag ? 1 : 0);
    }
    case SettingsValueType::Integer: {
        const auto number = value.ToInteger();
        if (!number)
            return number.Error();
        return DwordData(*number);
    }
    case SettingsValueType::String:
        break;
    }
    return RegData{RegType::String, value.ToString() + '\0'};
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

Status SettingsValue::SetValueName(std::string name)
{
    valueName_ = std::move(name);
    if (owner_.AutoLoad)
        return Load();
    return {};
}

std::string SettingsValue::DefValue() const
{
    if (ValueType == SettingsValueType::Boolean) {
        const auto flag = defValue_.ToBoolean();
        return flag && *flag ? "TRUE" : "FALSE";
    }
    return defValue_.ToString();
}

Status SettingsValue::SetDefValue(std::string_view text)
{
    auto value = FromText(text);
    if (!value)
        return value.Error();
    defValue_ = std::move(*value);
    return {};
}

Result<Variant> SettingsValue::FromText(std::string_view text) const
{
    const auto format = FormatSettings();
    switch (ValueType) {
    case SettingsValueType::Float: {
        const auto number = StrToFloat(text, format);
        if (!number)
            return number.Error();
        return Variant(*number);
    }
    case SettingsValueType::Boolean:
        return Variant(UpperCase(text) == "TRUE");
    case SettingsValueType::Integer: {
        const auto number = StrToInt(text);
        if (!number)
            return number.Error();
        return Variant(*number);
    }
    case SettingsValueType::DateTime: {
        const auto date = StrToDateTime(text, format);
        if (!date)
            return date.Error();
        return Variant(*date);
    }
    case SettingsValueType::String:
        break;
    }
    return Variant(std::string(text));
}

Status SettingsValue::SetValueText(std::string_view text)
{
    auto value = FromText(text);
    if (!value)
        return value.Error();
    Value = std::move(*value);
    return {};
}

Result<bool> SettingsValue::AsBoolean() const
{
    const auto number = Value.ToDouble();
    if (!number)
        return number.Error();
    return *number != 0;
}

Status SettingsValue::SetAsBoolean(bool value)
{
    return SetValueText(value ? "TRUE" : "FALSE");
}

Status SettingsValue::SetAsFloat(double value)
{
    return SetValueText(FloatToStr(value, FormatSettings()));
}

Status SettingsValue::SetAsDateTime(DateTime value)
{
    return SetValueText(DateTimeToStr(value, FormatSettings()));
}

Status SettingsValue::SetAsInteger(int32_t value)
{
    return SetValueText(std::to_string(value));
}

Status SettingsValue::SetAsString(std::string_view value)
{
    return SetValueText(value);
}

bool SettingsValue::OpenKey()
{
    Registry& registry = owner_.accessor_;
    registry.CloseKey();
    const std::string path = SubKey.empty() ? owner_.Key : owner_.Key + '\\' + SubKey;
    if (registry.OpenKey(path, owner_.CanCreate))
        return true;
    if (OnErrorOpenKey)
        OnErrorOpenKey(*this);
    return false;
}

Status SettingsValue::Load()
{
    if (!OpenKey())
        return {};
    const auto stored = owner_.accessor_.ReadValue(valueName_);
    if (!stored) {
        ApplyDefault();
        return {};
    }
    auto value = Decode(*stored, ValueType);
    if (!value)
        return Fail(Reason::Damaged, "Invalid data type for " + Quoted(valueName_));
    Value = std::move(*value);
    return {};
}

void SettingsValue::ApplyDefault()
{
    if (OnGetDefValueEvent)
        OnGetDefValueEvent(*this, Value);
    else
        Value = defValue_;
}

Status SettingsValue::Save()
{
    if (!OpenKey())
        return {};
    const auto data = Encode(Value, ValueType);
    if (!data)
        return data.Error();
    if (!owner_.accessor_.WriteValue(valueName_, *data))
        return Fail(Reason::WriteFailed, "Failed to set data for " + Quoted(valueName_));
    return {};
}

// ---- SettingsCollection ----

SettingsValue& SettingsCollection::Add(Settings& owner)
{
    return *items_.emplace_back(std::make_unique<SettingsValue>(owner));
}

Result<SettingsValue*> SettingsCollection::ItemByName(std::string_view name) const
{
    const std::string wanted = UpperCase(name);
    for (const auto& item : items_)
        if (UpperCase(item->ValueName()) == wanted)
            return item.get();
    return Fail(Reason::Refused, "Invalid Value Name!" + std::string(name));
}

// ---- Settings ----

Settings::Settings(RegistryFile store) : accessor_(std::move(store))
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
        ApplyRootKey();
        if (const auto saved = items_[i].Save(); !saved)
            errors.push_back(saved.Message());
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
    for (size_t i = 0; i < Hives.size(); ++i)
        if (Hives[i] == accessor_.RootKey())
            return static_cast<SettingsRoot>(i);
    return SettingsRoot::CurrentUser;
}

void Settings::SetRootKey(SettingsRoot rootKey)
{
    rootKey_ = rootKey;
    ApplyRootKey();
}

void Settings::ApplyRootKey()
{
    accessor_.SetRootKey(Hives.at(static_cast<size_t>(rootKey_)));
}

Status Settings::Declare(const SettingsValueDescription& description)
{
    SettingsValue& item = items_.Add(*this);
    item.SubKey = description.SubKey;
    item.ValueType = description.ValueType;
    item.AutoStore = description.AutoStore;
    Status defaulted;
    if (description.DefValue)
        defaulted = item.SetDefValue(*description.DefValue);
    auto loaded = item.SetValueName(description.ValueName);
    return defaulted ? loaded : defaulted;
}

Result<Variant> Settings::GetValue(std::string_view name) const
{
    const auto item = items_.ItemByName(name);
    if (!item)
        return item.Error();
    return (*item)->Value;
}

Status Settings::SetValue(std::string_view name, Variant value)
{
    const auto item = items_.ItemByName(name);
    if (!item)
        return item.Error();
    (*item)->Value = std::move(value);
    return {};
}

Status Settings::LoadAll()
{
    for (int i = 0; i < items_.Count(); ++i) {
        ApplyRootKey();
        if (auto loaded = items_[i].Load(); !loaded)
            return loaded;
    }
    return {};
}

Status Settings::SaveAll()
{
    accessor_.BeginUpdate();
    for (int i = 0; i < items_.Count(); ++i) {
        if (!items_[i].AutoStore)
            continue;
        ApplyRootKey();
        if (auto saved = items_[i].Save(); !saved) {
            (void)accessor_.EndUpdate(); // the items before the failing one are saved
            return saved;
        }
    }
    const auto noted = accessor_.PendingValues();
    if (!accessor_.EndUpdate() && !noted.empty())
        return Fail(Reason::WriteFailed, "Failed to set data for " + Quoted(noted.front().second));
    return {};
}

} // namespace model::settings
