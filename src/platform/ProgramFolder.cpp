#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <system_error>

namespace platform {

std::filesystem::path ProgramFolder()
{
    if (const char* forced = std::getenv("DAYBROOK_FOLDER"); forced != nullptr && *forced != '\0')
        return forced;
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

} // namespace platform
