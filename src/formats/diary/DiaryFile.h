// The diary file: "DRY1", the CRC-32 of the rest as eight upper-case hex digits, then the LZH
// stream of the password, a 0x00 byte and the day records, each followed by CR LF.
#pragma once

#include "base/result/Result.h"
#include "base/text/TextLines.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace formats::diary {

// What a plain diary file holds.
struct PlainContent {
    std::string Password;
    std::string Records; // the lines' whole text
};

// Reads the diary and checks it and the password (bytes, letter case significant). Fails as
// ReadWhole does, as Damaged or as WrongPassword.
base::result::Result<base::text::LineList> LoadDiary(const std::filesystem::path& fileName,
                                                     const std::string& password);

// Writes the records and password; a failure (WriteFailed) leaves any previous file as it was.
base::result::Status SaveDiary(const std::filesystem::path& fileName, const base::text::LineList& lines,
                               const std::string& password);

// The file image SaveDiary writes, and the parse LoadDiary makes of one (for callers that
// hold the bytes already); a parse fails as Damaged only.
std::string MakeDiaryImage(const base::text::LineList& lines, const std::string& password);
base::result::Result<PlainContent> ParseDiaryImage(std::string_view image);

// The failures both diary formats report, with their messages.
base::result::Failure DamagedDiary();    // "not a diary file, or damaged"
base::result::Failure WrongPassword();   // "wrong password"
base::result::Failure DiaryNotWritten(); // "could not be written"

} // namespace formats::diary
