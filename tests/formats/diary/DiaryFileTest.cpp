#include "formats/diary/DiaryFile.h"

#include "formats/codec/LzhCompressor.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;
namespace fs = std::filesystem;

namespace {

const std::string SamplePassword = "Daybrook 2024!";

LineList SampleLines()
{
    return SplitLines(ReadBytes(VectorPath("diary/sample.lines")));
}

// A file image with a correct checksum around any compressed payload.
std::string WithChecksum(const std::string& payload)
{
    MemoryStream stream(payload);
    char digits[9];
    std::snprintf(digits, sizeof digits, "%.8X", LzhCompressor::StreamCRC(stream));
    return "DRY1" + std::string(digits) + payload;
}

const LineList Untouched{"left as it was"};

} // namespace

TEST(DiaryFile, ReadsAndWritesTheReferenceDiaryExactly)
{
    TempDir dir;
    const LineList expected = SampleLines();
    ASSERT_EQ(expected.size(), 20u);

    LineList lines;
    ASSERT_EQ(LoadDiary(VectorPath("diary/sample.dry"), lines, SamplePassword), drDone);
    EXPECT_EQ(lines, expected);

    ASSERT_EQ(SaveDiary(dir / "copy.dry", expected, SamplePassword), drDone);
    EXPECT_TRUE(ReadBytes(dir / "copy.dry") == ReadBytes(VectorPath("diary/sample.dry")));
}

TEST(DiaryFile, EmptyDiaryHoldsOnlyThePasswordAndItsSeparator)
{
    TempDir dir;
    LineList lines = Untouched;
    ASSERT_EQ(LoadDiary(VectorPath("diary/empty-no-password.dry"), lines, ""), drDone);
    EXPECT_TRUE(lines.empty());
    ASSERT_EQ(SaveDiary(dir / "empty.dry", {}, ""), drDone);
    EXPECT_EQ(ReadBytes(dir / "empty.dry"), ReadBytes(VectorPath("diary/empty-no-password.dry")));

    ASSERT_EQ(SaveDiary(dir / "secret.dry", {}, "secret"), drDone);
    std::string password = "unset";
    std::string records = "unset";
    ASSERT_EQ(ParseDiaryImage(ReadBytes(dir / "secret.dry"), password, records), drDone);
    EXPECT_EQ(password, "secret");
    EXPECT_EQ(records, "");
}

TEST(DiaryFile, PasswordMustMatchExactly)
{
    LineList lines = Untouched;
    EXPECT_EQ(LoadDiary(VectorPath("diary/sample.dry"), lines, "daybrook 2024!"), drWrongPassword);
    EXPECT_EQ(LoadDiary(VectorPath("diary/sample.dry"), lines, "Daybrook 2024"), drWrongPassword);
    EXPECT_EQ(LoadDiary(VectorPath("diary/sample.dry"), lines, ""), drWrongPassword);
    EXPECT_EQ(lines, Untouched);
}

TEST(DiaryFile, MissingAndUnreadableFiles)
{
    TempDir dir;
    LineList lines = Untouched;
    EXPECT_EQ(LoadDiary(dir / "nothing.dry", lines, ""), drNoFile);
    EXPECT_EQ(LoadDiary(dir / "no-folder" / "nothing.dry", lines, ""), drNoFile);
    fs::create_directory(dir / "folder.dry");
    EXPECT_EQ(LoadDiary(dir / "folder.dry", lines, ""), drUnreadable);
    EXPECT_EQ(lines, Untouched);
}

TEST(DiaryFile, EveryDamageIsReportedAndLeavesTheLinesAlone)
{
    TempDir dir;
    const std::string good = ReadBytes(VectorPath("diary/sample.dry"));
    const fs::path file = dir / "damaged.dry";
    LineList lines = Untouched;
    const auto load = [&](const std::string& image) {
        WriteBytes(file, image);
        return LoadDiary(file, lines, SamplePassword);
    };

    for (size_t offset = 12; offset < good.size(); offset += 97) {
        std::string image = good;
        image[offset] = static_cast<char>(image[offset] ^ 0x10);
        EXPECT_EQ(load(image), drDamaged) << "byte " << offset;
    }
    for (const std::string signature : {"DRY2", "dry1", "DRY "}) {
        std::string image = good;
        image.replace(0, 4, signature);
        EXPECT_EQ(load(image), drDamaged) << signature;
    }
    std::string notHex = good;
    notHex[7] = 'G';
    EXPECT_EQ(load(notHex), drDamaged);
    for (size_t length = 0; length < 40; ++length)
        EXPECT_EQ(load(good.substr(0, length)), drDamaged) << "truncated to " << length;
    EXPECT_EQ(load(good.substr(0, good.size() - 1)), drDamaged);
    EXPECT_EQ(load(good + "x"), drDamaged);
    EXPECT_EQ(lines, Untouched);

    std::string lowerCase = good;
    for (size_t i = 4; i < 12; ++i)
        lowerCase[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowerCase[i])));
    EXPECT_EQ(load(lowerCase), drDone);
}

TEST(DiaryFile, HostileLengthHeadersAreDamageNotAllocations)
{
    TempDir dir;
    const fs::path file = dir / "hostile.dry";
    LineList lines = Untouched;
    // Twenty bytes with a sound checksum claiming two gigabytes.
    const std::string image = WithChecksum(std::string("\xFF\xFF\xFF\x7F\xF6\xFB\xBD\xE0", 8));
    ASSERT_EQ(image.size(), 20u);
    WriteBytes(file, image);
    EXPECT_EQ(LoadDiary(file, lines, ""), drDamaged);
    WriteBytes(file, WithChecksum("\x01\x00"));
    EXPECT_EQ(LoadDiary(file, lines, ""), drDamaged);
    EXPECT_EQ(lines, Untouched);
}

TEST(DiaryFile, RecordsSplitAtEveryKindOfLineBreak)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (LineList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (LineList{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\n\r"), (LineList{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");

    TempDir dir;
    const LineList lines{"20240101" "0title@@{\\rtf1 body}@@", "", "last"};
    ASSERT_EQ(SaveDiary(dir / "d.dry", lines, "pw"), drDone);
    LineList loaded;
    ASSERT_EQ(LoadDiary(dir / "d.dry", loaded, "pw"), drDone);
    EXPECT_EQ(loaded, lines);
}

TEST(DiaryFile, AFailedSaveKeepsThePreviousFile)
{
    TempDir dir;
    const fs::path file = dir / "kept.dry";
    ASSERT_EQ(SaveDiary(file, {"first"}, "pw"), drDone);
    const std::string before = ReadBytes(file);

    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(SaveDiary(file, {"second"}, "pw"), drWriteFailed);
    EXPECT_EQ(ReadBytes(file), before);

    EXPECT_EQ(SaveDiary(dir / "missing-folder" / "new.dry", {"x"}, "pw"), drWriteFailed);
    fs::create_directory(dir / "taken.dry");
    EXPECT_EQ(SaveDiary(dir / "taken.dry", {"x"}, "pw"), drWriteFailed);

    // Nothing but the diary and the folder made above remains: no temporary files.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

TEST(DiaryFile, SavingReplacesTheFileAndKeepsItsPermissions)
{
    TempDir dir;
    const fs::path file = dir / "diary.dry";
    ASSERT_EQ(SaveDiary(file, {"old"}, "pw"), drDone);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(SaveDiary(file, {"new"}, "pw"), drDone);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    LineList lines;
    ASSERT_EQ(LoadDiary(file, lines, "pw"), drDone);
    EXPECT_EQ(lines, LineList{"new"});
}
