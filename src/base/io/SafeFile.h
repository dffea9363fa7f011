// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include "base/result/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace base::io {

// The messages of a read that fails, both with the reason Missing: the file is not there, or
// it is there but cannot be read (errno tells why).
inline constexpr std::string_view NoSuchFile = "no such file";
inline constexpr std::string_view CannotBeRead = "cannot be read";

// Whether a failed read found no file at all, rather than one it could not read.
bool IsNoSuchFile(const base::result::Failure& failure);

// The whole file's bytes.
base::result::Result<std::string> ReadWhole(const std::filesystem::path& path);

// Replaces the file with bytes so that it holds either its old or its new content, whatever
// happens: writes a temporary file in the same folder, flushes it to disk and renames it over
// the target. A target without write permission is refused. A failure (WriteFailed, with what
// went wrong and where) leaves the target as it was.
base::result::Status WriteWhole(const std::filesystem::path& path, const std::string& bytes);

} // namespace base::io
