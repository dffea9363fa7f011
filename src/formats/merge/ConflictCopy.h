// The names sync engines give the conflict copies of a diary file, told apart from ordinary
// diaries: "<name>.sync-conflict-YYYYMMDD-HHMMSS-<device>.dry",
// "<name> (conflicted copy YYYY-MM-DD HHMMSS).dry", "<name>_conflict-YYYYMMDD-HHMMSS.dry" and
// "<name> (<who>'s conflicted copy YYYY-MM-DD).dry".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats::merge {

// The diary file a conflict copy belongs to ("<name>.dry"); nothing for any other file name.
std::optional<std::string> ConflictCopyOf(std::string_view fileName);

// The conflict copies among the names that belong to the diary file, in the order given.
std::vector<std::string> ConflictCopiesOf(const std::vector<std::string>& fileNames, std::string_view diaryFileName);

} // namespace formats::merge
