// The names of the ten moods a day may have, as their pictures show them: how exports write a
// mood and imports read one.
#pragma once

#include <optional>
#include <string_view>

namespace formats::diary {

// "happy", "calm", ... for the moods 0 to 9; empty for any other number.
std::string_view MoodName(int mood);

// The mood of a name (letter case ignored); nothing for a name that is no mood's.
std::optional<int> MoodNamed(std::string_view name);

} // namespace formats::diary
