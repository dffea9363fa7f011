#include "platform/environment/DiaryArgument.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace platform::environment {

namespace fs = std::filesystem;

namespace {

bool HasDiaryExtension(const fs::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".dry";
}

} // namespace

std::optional<DiaryArgument> DiaryFromArguments(const std::vector<std::string>& arguments)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        const fs::path file(arguments[i]);
        if (!HasDiaryExtension(file))
            continue;
        std::error_code error;
        const fs::path absolute = fs::absolute(file, error).lexically_normal();
        if (error)
            continue;
        return DiaryArgument{absolute.parent_path(), absolute.filename().string()};
    }
    return std::nullopt;
}

} // namespace platform::environment
