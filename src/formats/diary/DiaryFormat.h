// Both diary file formats behind one load and save: the plain file of storage/DiaryFile.h and
// the sealed file of storage/SealedFile.h. Loading tells which format a file has; saving takes
// the format to write.
#pragma once

#include "base/text/TextLines.h"
#include "formats/diary/DiaryFile.h"
#include "formats/diary/SealedFile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

enum DiaryFormat { dfPlain, dfSealed };

// What a diary file is written with: its format and, for a plain file, the password it keeps,
// for a sealed one the key derived from the password.
struct DiaryLock {
    DiaryFormat Format = dfPlain;
    std::string Password;                // dfPlain only
    std::shared_ptr<const SealKey> Key; // dfSealed only
};

DiaryLock PlainLock(const std::string& password);
// Derives a key with a fresh salt now (about 0.2 s with ProductionKdf).
DiaryLock SealedLock(std::string_view password, const KdfParams& params = ProductionKdf);

// Reads a diary of either format with the password, as LoadDiary does (Lines untouched unless
// drDone). On drDone Lock tells the file's format, with the key of a sealed file.
DiaryResult LoadDiaryFile(const std::filesystem::path& FileName, LineList& Lines, const std::string& Password,
                           DiaryLock& Lock);

// The file image of the records in the lock's format.
std::string MakeDiaryFileImage(const LineList& Lines, const DiaryLock& Lock);
// Writes it safely: drDone, or drWriteFailed with any previous file as it was.
DiaryResult SaveDiaryFile(const std::filesystem::path& FileName, const LineList& Lines,
                           const DiaryLock& Lock);
