#include "platform/files/ListFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

using base::result::Fail;
using base::result::Reason;
using base::result::Result;

namespace platform::files {

namespace fs = std::filesystem;

namespace {

char Folded(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*" || mask == "*")
        return true;
    // Greedy matching with backtracking to the last star.
    size_t n = 0;
    size_t m = 0;
    size_t starMask = std::string_view::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Folded(mask[m]) == Folded(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

Result<std::vector<std::string>> ListFiles(const std::string& folder, std::string_view mask)
{
    std::vector<std::string> names;
    std::error_code code;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), code);
    for (; !code && it != fs::directory_iterator(); it.increment(code)) {
        std::error_code ignored;
        const bool subfolder = it->is_directory(ignored) && !it->is_symlink(ignored);
        std::string name = it->path().filename().string();
        if (!subfolder && MatchesMask(name, mask))
            names.push_back(std::move(name));
    }
    if (code)
        return Fail(Reason::Missing, (folder.empty() ? std::string(".") : folder) + ": " + code.message());
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

} // namespace platform::files
