// The diary file: "DRY1", the CRC-32 of the rest as eight upper-case hex digits, then the LZH
// stream of the password, a 0x00 byte and the day records, each followed by CR LF.
#pragma once

#include "base/text/TextLines.h"

#include <filesystem>
#include <string>

enum DiaryResult : int {
    drDone = 0,
    drNoFile = 1,         // LoadDiary: the file does not exist
    drUnreadable = 2,     // LoadDiary: it exists but cannot be opened or read
    drWrongPassword = 3,  // LoadDiary: sound, but the stored password differs
    drDamaged = 4,        // LoadDiary: not a diary file, or damaged
    drWriteFailed = 5,    // SaveDiary: the file could not be written; the previous one is intact
};

// Reads the diary, checks it and the password (bytes, letter case significant) and replaces
// Lines with its records; Lines is untouched on every code but drDone.
DiaryResult LoadDiary(const std::filesystem::path& FileName, LineList& Lines, const std::string& Password);

// Writes the records and password; a failure leaves any previous file as it was.
DiaryResult SaveDiary(const std::filesystem::path& FileName, const LineList& Lines, const std::string& Password);

// The file image SaveDiary writes, and the parse LoadDiary makes of one (for callers that
// hold the bytes already). ParseDiaryImage fills Password and Records only on drDone and
// never returns drNoFile, drUnreadable or drWrongPassword.
std::string MakeDiaryImage(const LineList& Lines, const std::string& Password);
// Reads a diary file's bytes: drDone, drNoFile or drUnreadable.
DiaryResult ReadDiaryImage(const std::filesystem::path& FileName, std::string& Image);
DiaryResult ParseDiaryImage(const std::string& Image, std::string& Password, std::string& Records);
