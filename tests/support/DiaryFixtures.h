// Test shorthands over the diary formats: the reference diary, reading a diary into lines (and its
// lock), checking a sealed image, failures as one line of text, and a byte-order collation.
#pragma once

#include "formats/diary/DiaryFormat.h"
#include "formats/diary/SealedFile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

// The reference diary's password, and its records as tests/vectors/diary/sample.lines holds them.
inline const std::string SamplePassword = "Daybrook 2024!";
base::text::LineList SampleLines();

// "Reason: message", e.g. "Damaged: not a diary file, or damaged".
std::string Describe(const base::result::Failure& failure);

// True when the diary was read; then lines holds its records.
bool LoadDiaryInto(const std::filesystem::path& file, base::text::LineList& lines,
                   const std::string& password);
// As LoadDiaryInto, for either format, and the lock it was written with.
bool LoadDiaryFileInto(const std::filesystem::path& file, base::text::LineList& lines,
                       const std::string& password, formats::diary::DiaryLock& lock);
// True when the image is a sealed diary; then params holds its key derivation settings.
bool CheckSealedImageInto(std::string_view image, formats::diary::KdfParams& params);
// The plain byte order of two records, in place of a locale collation.
int ByteOrder(std::string_view a, std::string_view b);

} // namespace testing_support
