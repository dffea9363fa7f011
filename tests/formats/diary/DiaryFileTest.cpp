#include "formats/diary/DiaryFile.h"

#include "formats/codec/LzhCompressor.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "support/DiaryFixtures.h"

using namespace base::io;
using namespace base::result;
using namespace base::text;
using namespace formats::codec;
using namespace formats::diary;

using testing_support::Describe;
using testing_support::ReadBytes;
using testing_support::SampleLines;
using testing_support::SamplePassword;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;
namespace fs = std::filesystem;

namespace {

// A file image with a correct checksum around any compressed payload.
std::string WithChecksum(const std::string& payload)
{
    MemoryStream stream(payload);
    char digits[9];
    std::snprintf(digits, sizeof digits, "%.8X", LzhCompressor::StreamCRC(stream));
    return "DRY1" + std::string(digits) + payload;
}

// How loading the file went: "done", or the failure's reason and message.
std::string LoadOutcome(const fs::path& file, const std::string& password)
{
    const auto lines = LoadDiary(file, password);
    return lines ? "done" : Describe(lines.Error());
}

const std::string Damaged = "Damaged: not a diary file, or damaged";

} // namespace

TEST(DiaryFile, ReadsAndWritesTheReferenceDiaryExactly)
{
    TempDir dir;
    const LineList expected = SampleLines();
    ASSERT_EQ(expected.size(), 20u);

    const auto lines = LoadDiary(VectorPath("diary/sample.dry"), SamplePassword);
    ASSERT_TRUE(lines.Ok());
    EXPECT_EQ(*lines, expected);

    ASSERT_TRUE(SaveDiary(dir / "copy.dry", expected, SamplePassword).Ok());
    EXPECT_TRUE(ReadBytes(dir / "copy.dry") == ReadBytes(VectorPath("diary/sample.dry")));
}

TEST(DiaryFile, EmptyDiaryHoldsOnlyThePasswordAndItsSeparator)
{
    TempDir dir;
    const auto lines = LoadDiary(VectorPath("diary/empty-no-password.dry"), "");
    ASSERT_TRUE(lines.Ok());
    EXPECT_TRUE(lines->empty());
    ASSERT_TRUE(SaveDiary(dir / "empty.dry", {}, "").Ok());
    EXPECT_EQ(ReadBytes(dir / "empty.dry"), ReadBytes(VectorPath("diary/empty-no-password.dry")));
}

TEST(DiaryFile, PasswordMustMatchExactly)
{
    for (const std::string wrong : {"daybrook 2024!", "Daybrook 2024! "})
        EXPECT_EQ(LoadOutcome(VectorPath("diary/sample.dry"), wrong), "WrongPassword: wrong password") << wrong;
}

TEST(DiaryFile, MissingAndUnreadableFiles)
{
    TempDir dir;
    EXPECT_EQ(LoadOutcome(dir / "nothing.dry", ""), "Missing: no such file");
    fs::create_directory(dir / "folder.dry");
    EXPECT_EQ(LoadOutcome(dir / "folder.dry", ""), "Missing: cannot be read");
}

TEST(DiaryFile, EveryDamageIsReportedAndLeavesTheLinesAlone)
{
    TempDir dir;
    const std::string good = ReadBytes(VectorPath("diary/sample.dry"));
    const fs::path file = dir / "damaged.dry";
    const auto load = [&](const std::string& image) {
        WriteBytes(file, image);
        return LoadOutcome(file, SamplePassword);
    };

    for (size_t offset = 0; offset < good.size(); offset += offset < 16 ? 1 : 97) {
        std::string image = good;
        image[offset] = static_cast<char>(image[offset] ^ 0x10);
        EXPECT_EQ(load(image), Damaged) << "byte " << offset;
    }
    std::string notHex = good;
    notHex[7] = 'G';
    EXPECT_EQ(load(notHex), Damaged);
    for (size_t length = 0; length < 40; ++length)
        EXPECT_EQ(load(good.substr(0, length)), Damaged) << "truncated to " << length;
    EXPECT_EQ(load(good.substr(0, good.size() - 1)), Damaged) << "the last byte dropped";
    EXPECT_EQ(load(good + "x"), Damaged);
    EXPECT_EQ(load(ReadBytes(VectorPath("sealed/sample-v1.dry"))), Damaged) << "a sealed file is not a plain one";

    std::string lowerCase = good;
    for (size_t i = 4; i < 12; ++i)
        lowerCase[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowerCase[i])));
    EXPECT_EQ(load(lowerCase), "done");
}

TEST(DiaryFile, HostileLengthHeadersAreDamageNotAllocations)
{
    TempDir dir;
    const fs::path file = dir / "hostile.dry";
    // Twenty bytes with a sound checksum claiming two gigabytes.
    const std::string image = WithChecksum(std::string("\xFF\xFF\xFF\x7F\xF6\xFB\xBD\xE0", 8));
    ASSERT_EQ(image.size(), 20u);
    WriteBytes(file, image);
    EXPECT_EQ(LoadOutcome(file, ""), Damaged);
    WriteBytes(file, WithChecksum("\x01\x00"));
    EXPECT_EQ(LoadOutcome(file, ""), Damaged);
}

TEST(DiaryFile, AFailedSaveKeepsThePreviousFile)
{
    TempDir dir;
    const fs::path file = dir / "kept.dry";
    ASSERT_TRUE(SaveDiary(file, {"first"}, "pw").Ok());
    const std::string before = ReadBytes(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Status saved = SaveDiary(file, {"second"}, "pw");
    EXPECT_EQ(Describe(saved.Error()), "WriteFailed: could not be written");
    EXPECT_EQ(ReadBytes(file), before);
}
