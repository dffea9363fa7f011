// The program's folder: where the executable lies, which holds the diaries and dictionaries.
#pragma once

#include <filesystem>

namespace platform {

// DAYBROOK_FOLDER when set and not empty, otherwise the folder of the running executable.
std::filesystem::path ProgramFolder();

} // namespace platform
