#include "formats/diary/DiaryFormat.h"

#include "base/io/SafeFile.h"

#include <exception>
#include <stdexcept>

DiaryLock PlainLock(const std::string& password)
{
    return {dfPlain, password, nullptr};
}

DiaryLock SealedLock(std::string_view password, const KdfParams& params)
{
    return {dfSealed, {}, SealKey::Derive(password, params)};
}

DiaryResult LoadDiaryFile(const std::filesystem::path& FileName, LineList& Lines, const std::string& Password,
                           DiaryLock& Lock)
{
    std::string image;
    if (const DiaryResult read = ReadDiaryImage(FileName, image); read != drDone)
        return read;
    std::string records;
    DiaryLock found;
    if (IsSealedImage(image)) {
        found.Format = dfSealed;
        if (const DiaryResult result = ParseSealedImage(image, Password, records, found.Key);
            result != drDone)
            return result;
    } else {
        found.Format = dfPlain;
        if (const DiaryResult result = ParseDiaryImage(image, found.Password, records); result != drDone)
            return result;
        if (found.Password != Password)
            return drWrongPassword;
    }
    Lines = SplitLines(records);
    WipeBytes(records);
    Lock = std::move(found);
    return drDone;
}

std::string MakeDiaryFileImage(const LineList& Lines, const DiaryLock& Lock)
{
    if (Lock.Format == dfPlain)
        return MakeDiaryImage(Lines, Lock.Password);
    if (!Lock.Key)
        throw std::logic_error("a sealed diary is written without its key");
    return MakeSealedImage(Lines, *Lock.Key);
}

DiaryResult SaveDiaryFile(const std::filesystem::path& FileName, const LineList& Lines, const DiaryLock& Lock)
{
    try {
        return safefile::WriteWhole(FileName, MakeDiaryFileImage(Lines, Lock)) ? drWriteFailed : drDone;
    } catch (const std::exception&) {
        return drWriteFailed;
    }
}
