#include "storage/DiaryFormat.h"

#include "base/SafeFile.h"

#include <exception>
#include <stdexcept>

TDiaryLock PlainLock(const std::string& password)
{
    return {dfPlain, password, nullptr};
}

TDiaryLock SealedLock(std::string_view password, const TKdfParams& params)
{
    return {dfSealed, {}, TSealKey::Derive(password, params)};
}

TDiaryResult LoadDiaryFile(const std::filesystem::path& FileName, TLines& Lines, const std::string& Password,
                           TDiaryLock& Lock)
{
    std::string image;
    if (const TDiaryResult read = ReadDiaryImage(FileName, image); read != drDone)
        return read;
    std::string records;
    TDiaryLock found;
    if (IsSealedImage(image)) {
        found.Format = dfSealed;
        if (const TDiaryResult result = ParseSealedImage(image, Password, records, found.Key);
            result != drDone)
            return result;
    } else {
        found.Format = dfPlain;
        if (const TDiaryResult result = ParseDiaryImage(image, found.Password, records); result != drDone)
            return result;
        if (found.Password != Password)
            return drWrongPassword;
    }
    Lines = SplitLines(records);
    WipeBytes(records);
    Lock = std::move(found);
    return drDone;
}

std::string MakeDiaryFileImage(const TLines& Lines, const TDiaryLock& Lock)
{
    if (Lock.Format == dfPlain)
        return MakeDiaryImage(Lines, Lock.Password);
    if (!Lock.Key)
        throw std::logic_error("a sealed diary is written without its key");
    return MakeSealedImage(Lines, *Lock.Key);
}

TDiaryResult SaveDiaryFile(const std::filesystem::path& FileName, const TLines& Lines, const TDiaryLock& Lock)
{
    try {
        return safefile::WriteWhole(FileName, MakeDiaryFileImage(Lines, Lock)) ? drWriteFailed : drDone;
    } catch (const std::exception&) {
        return drWriteFailed;
    }
}
