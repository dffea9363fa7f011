#include "model/settings/MainSettings.h"

#include <array>

const char* const MainSettingsKey = "SOFTWARE\\Kestrine\\DBK";

namespace {

const std::array<SettingsValueDescription, 13> Descriptions{{
    {"LastDiaryName", vtString, "default.dry"},
    {"SkinNumber", vtInteger, "0"},
    {"CurrentSkin", vtInteger, std::nullopt},
    {"FontName", vtString, "Arial"},
    {"FontColor", vtInteger, "0"},
    {"FontCharset", vtInteger, "1"},
    {"FontSize", vtInteger, "10"},
    {"FontStyle", vtInteger, "0"},
    {"ShowScrollbars", vtInteger, "0"},
    {"LastTop", vtInteger, "-1"},
    {"LastLeft", vtInteger, "-1"},
    {"LastWidth", vtInteger, "-1"},
    {"LastHeight", vtInteger, "-1"},
}};

} // namespace

std::span<const SettingsValueDescription> MainSettings()
{
    return Descriptions;
}

void DeclareMainSettings(Settings& reger, const std::function<void(const std::string&)>& onError)
{
    reger.Key = MainSettingsKey;
    reger.CanCreate = true;
    for (const SettingsValueDescription& description : MainSettings()) {
        try {
            reger.Declare(description);
        } catch (const RegistryError& error) {
            reger.Items()[reger.Items().Count() - 1].ApplyDefault();
            onError(error.what());
        }
    }
}
