#include "support/DiaryFixtures.h"

#include "formats/diary/DiaryFile.h"
#include "support/TestFiles.h"

using namespace base::result;
using namespace base::text;
using namespace formats::diary;

namespace testing_support {

LineList SampleLines()
{
    return SplitLines(ReadBytes(VectorPath("diary/sample.lines")));
}

std::string Describe(const Failure& failure)
{
    static const char* const names[] = {"Missing", "Damaged", "WrongPassword", "WriteFailed", "Refused"};
    return names[static_cast<int>(failure.Code)] + (": " + failure.Message);
}

bool LoadDiaryInto(const std::filesystem::path& file, LineList& lines, const std::string& password)
{
    auto loaded = LoadDiary(file, password);
    if (loaded)
        lines = std::move(*loaded);
    return loaded.Ok();
}

bool LoadDiaryFileInto(const std::filesystem::path& file, LineList& lines, const std::string& password,
                       DiaryLock& lock)
{
    auto opened = LoadDiaryFile(file, password);
    if (!opened)
        return false;
    lines = std::move(opened->Lines);
    lock = opened->Lock;
    return true;
}

bool CheckSealedImageInto(std::string_view image, KdfParams& params)
{
    auto checked = CheckSealedImage(image);
    if (checked)
        params = checked->Kdf;
    return checked.Ok();
}

int ByteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

} // namespace testing_support
