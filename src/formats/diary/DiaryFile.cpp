#include "formats/diary/DiaryFile.h"

#include "formats/codec/LzhCompressor.h"
#include "base/io/SafeFile.h"

#include <cstdio>

using base::io::MemoryStream;
using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::result::Result;
using base::result::Status;
using base::text::JoinLines;
using base::text::LineList;
using base::text::SplitLines;
using formats::codec::LzhCompressor;

namespace formats::diary {

namespace {

constexpr std::string_view Signature = "DRY1";
constexpr size_t ChecksumDigits = 8;
constexpr size_t HeaderSize = Signature.size() + ChecksumDigits;

bool ParseHex(std::string_view digits, uint32_t& value)
{
    value = 0;
    for (const char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return true;
}

} // namespace

Failure DamagedDiary()
{
    return Fail(Reason::Damaged, "not a diary file, or damaged");
}

Failure WrongPassword()
{
    return Fail(Reason::WrongPassword, "wrong password");
}

Failure DiaryNotWritten()
{
    return Fail(Reason::WriteFailed, "could not be written");
}

std::string MakeDiaryImage(const LineList& lines, const std::string& password)
{
    std::string plain;
    plain.reserve(password.size() + 1);
    plain += password;
    plain += '\0';
    plain += JoinLines(lines);

    MemoryStream source(std::move(plain));
    MemoryStream payload;
    LzhCompressor::Compress(source, payload);
    char checksum[ChecksumDigits + 1];
    std::snprintf(checksum, sizeof checksum, "%.8X", LzhCompressor::StreamCRC(payload));

    std::string image;
    image.reserve(HeaderSize + payload.Size());
    image += Signature;
    image += checksum;
    image += payload.Bytes();
    return image;
}

Result<PlainContent> ParseDiaryImage(std::string_view image)
{
    if (image.size() < HeaderSize || image.substr(0, Signature.size()) != Signature)
        return DamagedDiary();
    uint32_t stored = 0;
    if (!ParseHex(image.substr(Signature.size(), ChecksumDigits), stored))
        return DamagedDiary();

    MemoryStream compressed{std::string(image.substr(HeaderSize))};
    if (LzhCompressor::StreamCRC(compressed) != stored)
        return DamagedDiary();
    MemoryStream decoded;
    if (!LzhCompressor::Decompress(compressed, decoded))
        return DamagedDiary();
    std::string plain = decoded.TakeBytes();

    PlainContent content;
    const size_t separator = plain.find('\0');
    if (separator != std::string::npos) {
        content.Password = plain.substr(0, separator);
        plain.erase(0, separator + 1);
    }
    content.Records = std::move(plain);
    return content;
}

Result<LineList> LoadDiary(const std::filesystem::path& fileName, const std::string& password)
{
    const auto image = ReadWhole(fileName);
    if (!image)
        return image.Error();
    const auto content = ParseDiaryImage(*image);
    if (!content)
        return content.Error();
    if (content->Password != password)
        return WrongPassword();
    return SplitLines(content->Records);
}

Status SaveDiary(const std::filesystem::path& fileName, const LineList& lines, const std::string& password)
{
    if (!WriteWhole(fileName, MakeDiaryImage(lines, password)))
        return DiaryNotWritten();
    return {};
}

} // namespace formats::diary
