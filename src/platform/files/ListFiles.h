// The files of one folder whose names match a mask, such as the diaries ("*.dry") that the
// selection window offers.
#pragma once

#include "base/result/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform::files {

// The names of the folder's files (anything but a subfolder) that match the mask, sorted by
// name with ASCII letter case ignored. A folder that cannot be read fails with Missing and
// "<folder>: <the system's reason>".
base::result::Result<std::vector<std::string>> ListFiles(const std::string& folder, std::string_view mask);

// Whether a file name matches a mask with "*" and "?", ASCII letter case ignored; "*.*"
// matches every name, also one without a dot.
bool MatchesMask(std::string_view name, std::string_view mask);

} // namespace platform::files
