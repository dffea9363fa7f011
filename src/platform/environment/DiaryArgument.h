// The diary named on the command line (`daybrook FILE.dry`, as a file manager starts the
// program for a diary double-clicked): the folder to list for that run and the diary to choose.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform::environment {

struct DiaryArgument {
    std::filesystem::path Folder; // absolute
    std::string FileName;         // file-system bytes, ".dry" included
};

// The first argument after the program's name that names a ".dry" file (any letter case);
// arguments are file-system bytes, a relative path is taken from the current folder.
std::optional<DiaryArgument> DiaryFromArguments(const std::vector<std::string>& arguments);

} // namespace platform::environment
