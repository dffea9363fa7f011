#include "formats/merge/ConflictCopy.h"

#include <cctype>
#include <regex>

namespace formats::merge {

namespace {

// Each engine's pattern; the first group is the diary's name without ".dry".
const std::vector<std::regex>& Patterns()
{
    static const std::vector<std::regex> patterns{
        std::regex(R"((.+)\.sync-conflict-\d{8}-\d{6}-[A-Z0-9]+\.dry)", std::regex::icase),
        std::regex(R"((.+) \(conflicted copy \d{4}-\d{2}-\d{2} \d{6}\)\.dry)", std::regex::icase),
        std::regex(R"((.+)_conflict-\d{8}-\d{6}\.dry)", std::regex::icase),
        std::regex(R"((.+) \(.+'s conflicted copy \d{4}-\d{2}-\d{2}\)\.dry)", std::regex::icase),
    };
    return patterns;
}

bool SameLettersIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::optional<std::string> ConflictCopyOf(std::string_view fileName)
{
    std::match_results<std::string_view::const_iterator> match;
    for (const auto& pattern : Patterns())
        if (std::regex_match(fileName.begin(), fileName.end(), match, pattern))
            return match[1].str() + ".dry";
    return std::nullopt;
}

std::vector<std::string> ConflictCopiesOf(const std::vector<std::string>& fileNames, std::string_view diaryFileName)
{
    std::vector<std::string> copies;
    for (const auto& name : fileNames)
        if (const auto diary = ConflictCopyOf(name); diary && SameLettersIgnoringCase(*diary, diaryFileName))
            copies.push_back(name);
    return copies;
}

} // namespace formats::merge
