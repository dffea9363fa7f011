#include "model/settings/MainSettings.h"

#include <array>

namespace model::settings {

const char* const MainSettingsKey = "SOFTWARE\\Kestrine\\DBK";

namespace {

const std::array<SettingsValueDescription, 13> Descriptions{{
    {"LastDiaryName", SettingsValueType::String, "default.dry"},
    {"SkinNumber", SettingsValueType::Integer, "0"},
    {"CurrentSkin", SettingsValueType::Integer, std::nullopt},
    {"FontName", SettingsValueType::String, "Arial"},
    {"FontColor", SettingsValueType::Integer, "0"},
    {"FontCharset", SettingsValueType::Integer, "1"},
    {"FontSize", SettingsValueType::Integer, "10"},
    {"FontStyle", SettingsValueType::Integer, "0"},
    {"ShowScrollbars", SettingsValueType::Integer, "0"},
    {"LastTop", SettingsValueType::Integer, "-1"},
    {"LastLeft", SettingsValueType::Integer, "-1"},
    {"LastWidth", SettingsValueType::Integer, "-1"},
    {"LastHeight", SettingsValueType::Integer, "-1"},
}};

} // namespace

std::span<const SettingsValueDescription> MainSettings()
{
    return Descriptions;
}

void DeclareMainSettings(Settings& settings, const std::function<void(const std::string&)>& onFailure)
{
    settings.Key = MainSettingsKey;
    settings.CanCreate = true;
    for (const SettingsValueDescription& description : MainSettings()) {
        if (const auto declared = settings.Declare(description); !declared) {
            settings.Items()[settings.Items().Count() - 1].ApplyDefault();
            onFailure(declared.Message());
        }
    }
}

} // namespace model::settings
