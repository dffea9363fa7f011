// Test shorthands over the diary formats' results: read a diary into lines (and its lock), check
// a sealed image, and compare records byte by byte where a test needs no locale collation.
#pragma once

#include "formats/diary/DiaryFormat.h"
#include "formats/diary/SealedFile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

// True when the diary was read; then lines holds its records.
bool LoadDiaryInto(const std::filesystem::path& file, LineList& lines, const std::string& password);
// As LoadDiaryInto, for either format, and the lock it was written with.
bool LoadDiaryFileInto(const std::filesystem::path& file, LineList& lines, const std::string& password,
                       DiaryLock& lock);
// True when the image is a sealed diary; then params holds its key derivation settings.
bool CheckSealedImageInto(std::string_view image, KdfParams& params);
// The plain byte order of two records, in place of a locale collation.
int ByteOrder(std::string_view a, std::string_view b);

} // namespace testing_support
