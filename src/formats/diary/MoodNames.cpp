#include "formats/diary/MoodNames.h"

#include <array>
#include <cctype>

namespace formats::diary {

namespace {

constexpr std::array<std::string_view, 10> Names{"happy", "calm",  "excited", "loved", "tired",
                                                 "sad",   "angry", "worried", "sick",  "thoughtful"};

bool SameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i])
            return false;
    return true;
}

} // namespace

std::string_view MoodName(int mood)
{
    return mood >= 0 && mood < static_cast<int>(Names.size()) ? Names[static_cast<size_t>(mood)] : "";
}

std::optional<int> MoodNamed(std::string_view name)
{
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameLetters(name, Names[i]))
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace formats::diary
