// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace safefile {

enum class ReadResult { Done, Missing, Failed };

// Reads the whole file into bytes (left untouched unless Done).
ReadResult ReadWhole(const std::filesystem::path& path, std::string& bytes);

// Replaces the file with bytes so that it holds either its old or its new content, whatever
// happens: writes a temporary file in the same folder, flushes it to disk and renames it over
// the target. A target without write permission is refused. On failure returns the reason
// and leaves the target as it was; on success returns nothing.
std::optional<std::string> WriteWhole(const std::filesystem::path& path, const std::string& bytes);

} // namespace safefile
