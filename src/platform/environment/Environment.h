// What the program takes from its surroundings: its folder, the settings file and the diary
// code page. Read once, by the program's entry, and handed down from there; nothing else
// reads the process environment.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace platform::environment {

struct Environment {
    // Holds the diaries and the dictionaries: the executable's folder unless DAYBROOK_FOLDER
    // names another.
    std::filesystem::path ProgramFolder;
    // The registry file: DAYBROOK_REGISTRY, else $XDG_CONFIG_HOME/daybrook/registry.reg, else
    // ~/.config/daybrook/registry.reg.
    std::filesystem::path SettingsFile;
    // DAYBROOK_CODEPAGE when it names a code page this system converts, else the one of the
    // locale (LC_ALL, LC_CTYPE, LANG) as Windows chooses its ANSI code page.
    int CodePage = 1252;
};

// A variable's value, nothing when unset or empty.
using Lookup = std::function<std::optional<std::string>(const char* name)>;

// The environment as the variables given by lookup describe it.
Environment EnvironmentFrom(const Lookup& lookup);

// The environment of this process (reads its variables).
Environment ReadEnvironment();

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

} // namespace platform::environment
