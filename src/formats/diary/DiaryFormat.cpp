#include "formats/diary/DiaryFormat.h"

#include "base/io/SafeFile.h"

#include <stdexcept>

using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Result;
using base::result::Status;
using base::text::LineList;
using base::text::SplitLines;

namespace formats::diary {

DiaryLock PlainLock(const std::string& password)
{
    return {DiaryFormat::Plain, password, nullptr};
}

DiaryLock SealedLock(std::string_view password, const KdfParams& params)
{
    return {DiaryFormat::Sealed, {}, SealKey::Derive(password, params)};
}

Result<OpenedDiary> LoadDiaryFile(const std::filesystem::path& fileName, const std::string& password)
{
    const auto image = ReadWhole(fileName);
    if (!image)
        return image.Error();
    return ParseDiaryFileImage(*image, password);
}

Result<OpenedDiary> ParseDiaryFileImage(std::string_view image, const std::string& password)
{
    OpenedDiary opened;
    if (IsSealedImage(image)) {
        auto sealed = ParseSealedImage(image, password);
        if (!sealed)
            return sealed.Error();
        opened.Lines = SplitLines(sealed->Records);
        WipeBytes(sealed->Records);
        opened.Lock = {DiaryFormat::Sealed, {}, std::move(sealed->Key)};
    } else {
        auto plain = ParseDiaryImage(image);
        if (!plain)
            return plain.Error();
        if (plain->Password != password)
            return WrongPassword();
        opened.Lines = SplitLines(plain->Records);
        opened.Lock = PlainLock(plain->Password);
    }
    return opened;
}

std::string MakeDiaryFileImage(const LineList& lines, const DiaryLock& lock)
{
    if (lock.Format == DiaryFormat::Plain)
        return MakeDiaryImage(lines, lock.Password);
    if (!lock.Key)
        throw std::logic_error("a sealed diary is written without its key");
    return MakeSealedImage(lines, *lock.Key);
}

Status SaveDiaryFile(const std::filesystem::path& fileName, const LineList& lines, const DiaryLock& lock)
{
    if (!WriteWhole(fileName, MakeDiaryFileImage(lines, lock)))
        return DiaryNotWritten();
    return {};
}

} // namespace formats::diary
