// What the program takes from its surroundings: its folder, its data folder, the settings file
// and the diary code page. Read once, by the program's entry, and handed down from there; nothing else
// reads the process environment.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace platform::environment {

struct Environment {
    // Holds the diaries and the custom dictionary: DAYBROOK_FOLDER, else the executable's folder,
    // or, for an installation for all users, $XDG_DATA_HOME/daybrook (~/.local/share/daybrook).
    std::filesystem::path ProgramFolder;
    // The registry file: DAYBROOK_REGISTRY, else $XDG_CONFIG_HOME/daybrook/registry.reg, else
    // ~/.config/daybrook/registry.reg.
    std::filesystem::path SettingsFile;
    // DAYBROOK_CODEPAGE when it names a code page this system converts, else the one of the
    // locale (LC_ALL, LC_CTYPE, LANG) as Windows chooses its ANSI code page.
    int CodePage = 1252;
    // The files that come with the program (the master dictionary): <prefix>/share/daybrook of
    // an installation for all users; empty when they lie in the program folder.
    std::filesystem::path DataFolder = {};
};

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// A variable's value, nothing when unset or empty.
using Lookup = std::function<std::optional<std::string>(const char* name)>;

// The environment as the variables given by lookup describe it, for a program whose executable
// lies in executableFolder. An executable in <prefix>/bin beside <prefix>/share/daybrook is an
// installation for all users; any other keeps its files beside it.
Environment EnvironmentFrom(const Lookup& lookup,
                            const std::filesystem::path& executableFolder = ExecutableFolder());

// The environment of this process (reads its variables).
Environment ReadEnvironment();

} // namespace platform::environment
