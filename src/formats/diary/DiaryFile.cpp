#include "formats/diary/DiaryFile.h"

#include "formats/codec/LzhCompressor.h"
#include "base/io/SafeFile.h"

#include <cstdio>
#include <exception>

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

std::string MakeDiaryImage(const LineList& Lines, const std::string& Password)
{
    std::string plain;
    plain.reserve(Password.size() + 1);
    plain += Password;
    plain += '\0';
    plain += JoinLines(Lines);

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

DiaryResult ParseDiaryImage(const std::string& Image, std::string& Password, std::string& Records)
{
    if (Image.size() < HeaderSize || std::string_view(Image).substr(0, Signature.size()) != Signature)
        return drDamaged;
    uint32_t stored = 0;
    if (!ParseHex(std::string_view(Image).substr(Signature.size(), ChecksumDigits), stored))
        return drDamaged;

    std::string plain;
    try {
        MemoryStream compressed(Image.substr(HeaderSize));
        if (LzhCompressor::StreamCRC(compressed) != stored)
            return drDamaged;
        MemoryStream decoded;
        LzhCompressor::Decompress(compressed, decoded);
        plain = decoded.TakeBytes();
    } catch (const std::exception&) {
        return drDamaged;
    }

    const size_t separator = plain.find('\0');
    if (separator == std::string::npos) {
        Password.clear();
        Records = std::move(plain);
    } else {
        Password = plain.substr(0, separator);
        plain.erase(0, separator + 1);
        Records = std::move(plain);
    }
    return drDone;
}

DiaryResult ReadDiaryImage(const std::filesystem::path& FileName, std::string& Image)
{
    switch (safefile::ReadWhole(FileName, Image)) {
    case safefile::ReadResult::Missing:
        return drNoFile;
    case safefile::ReadResult::Failed:
        return drUnreadable;
    case safefile::ReadResult::Done:
        break;
    }
    return drDone;
}

DiaryResult LoadDiary(const std::filesystem::path& FileName, LineList& Lines, const std::string& Password)
{
    std::string image;
    if (const DiaryResult read = ReadDiaryImage(FileName, image); read != drDone)
        return read;
    std::string stored;
    std::string records;
    const DiaryResult result = ParseDiaryImage(image, stored, records);
    if (result != drDone)
        return result;
    if (stored != Password)
        return drWrongPassword;
    image = std::string();
    Lines = SplitLines(records);
    return drDone;
}

DiaryResult SaveDiary(const std::filesystem::path& FileName, const LineList& Lines, const std::string& Password)
{
    try {
        return safefile::WriteWhole(FileName, MakeDiaryImage(Lines, Password)) ? drWriteFailed : drDone;
    } catch (const std::exception&) {
        return drWriteFailed;
    }
}
