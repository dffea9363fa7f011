// Both diary file formats behind one load and save: the plain file of DiaryFile.h and the
// sealed file of SealedFile.h. Loading tells which format a file has; saving takes the format
// to write.
#pragma once

#include "base/result/Result.h"
#include "base/text/TextLines.h"
#include "formats/diary/DiaryFile.h"
#include "formats/diary/SealedFile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace formats::diary {

enum class DiaryFormat { Plain, Sealed };

// What a diary file is written with: its format and, for a plain file, the password it keeps,
// for a sealed one the key derived from the password.
struct DiaryLock {
    DiaryFormat Format = DiaryFormat::Plain;
    std::string Password;               // Plain only
    std::shared_ptr<const SealKey> Key; // Sealed only
};

DiaryLock PlainLock(const std::string& password);
// Derives a key with a fresh salt now (about 0.2 s with ProductionKdf).
DiaryLock SealedLock(std::string_view password, const KdfParams& params = ProductionKdf);

// A diary file opened with its password: the records, and the lock that writes the file
// again in its format (with the key of a sealed file).
struct OpenedDiary {
    base::text::LineList Lines;
    DiaryLock Lock;
};

// Reads a diary of either format with the password; fails as LoadDiary and ParseSealedImage do.
base::result::Result<OpenedDiary> LoadDiaryFile(const std::filesystem::path& fileName,
                                                const std::string& password);
// The same for the bytes of a diary file read already.
base::result::Result<OpenedDiary> ParseDiaryFileImage(std::string_view image, const std::string& password);

// The file image of the records in the lock's format (a sealed lock must hold its key).
std::string MakeDiaryFileImage(const base::text::LineList& lines, const DiaryLock& lock);
// Writes it safely; a failure (WriteFailed) leaves any previous file as it was.
base::result::Status SaveDiaryFile(const std::filesystem::path& fileName, const base::text::LineList& lines,
                                   const DiaryLock& lock);

} // namespace formats::diary
