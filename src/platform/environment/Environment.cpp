#include "platform/environment/Environment.h"

#include "platform/locale/DiaryCodePage.h"

#include <cstdlib>
#include <system_error>

using platform::locale::ChooseDiaryCodePage;

namespace platform::environment {

namespace fs = std::filesystem;

namespace {

// <prefix>/share/daybrook for an executable in <prefix>/bin that has one; nothing otherwise.
std::optional<fs::path> SharedDataFolder(const fs::path& executableFolder)
{
    if (executableFolder.filename() != "bin")
        return std::nullopt;
    auto data = executableFolder.parent_path() / "share" / "daybrook";
    std::error_code error;
    if (!fs::is_directory(data, error))
        return std::nullopt;
    return data;
}

fs::path UserDataFolder(const Lookup& lookup)
{
    if (const auto data = lookup("XDG_DATA_HOME"); data && data->starts_with('/'))
        return fs::path(*data) / "daybrook";
    return fs::path(lookup("HOME").value_or(".")) / ".local" / "share" / "daybrook";
}

} // namespace

Environment EnvironmentFrom(const Lookup& lookup, const fs::path& executableFolder)
{
    Environment environment;
    if (const auto folder = lookup("DAYBROOK_FOLDER")) {
        environment.ProgramFolder = *folder;
    } else if (auto data = SharedDataFolder(executableFolder)) {
        environment.ProgramFolder = UserDataFolder(lookup);
        environment.DataFolder = std::move(*data);
    } else {
        environment.ProgramFolder = executableFolder;
    }

    if (const auto forced = lookup("DAYBROOK_REGISTRY"))
        environment.SettingsFile = *forced;
    else if (const auto config = lookup("XDG_CONFIG_HOME"); config && config->starts_with('/'))
        environment.SettingsFile = fs::path(*config) / "daybrook" / "registry.reg";
    else
        environment.SettingsFile = fs::path(lookup("HOME").value_or(".")) / ".config" / "daybrook" / "registry.reg";

    std::string locale;
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const auto value = lookup(name)) {
            locale = *value;
            break;
        }
    environment.CodePage = ChooseDiaryCodePage(lookup("DAYBROOK_CODEPAGE").value_or(""), locale);
    return environment;
}

Environment ReadEnvironment()
{
    return EnvironmentFrom([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            return std::nullopt;
        return value;
    });
}

fs::path ExecutableFolder()
{
    std::error_code error;
    const auto executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error);
    return executable.parent_path();
}

} // namespace platform::environment
