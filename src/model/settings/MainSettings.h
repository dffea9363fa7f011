// The main window's stored settings: their names, types and defaults under the key
// "SOFTWARE\Kestrine\DBK" of the current user.
#pragma once

#include "model/settings/Settings.h"

#include <functional>
#include <span>
#include <string>

namespace model::settings {

extern const char* const MainSettingsKey;

std::span<const SettingsValueDescription> MainSettings();

// Points the component at the key and declares every setting, each loading its stored value.
// A setting that fails to load (a stored value of the wrong type) is reported through
// onFailure with its message and takes its default, so that the others still load.
void DeclareMainSettings(Settings& settings, const std::function<void(const std::string&)>& onFailure);

} // namespace model::settings
