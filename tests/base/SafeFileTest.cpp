// Whole-file reads and safe writes: what each failure is called, and that a failed write leaves
// the target and the folder as they were.
#include "base/io/SafeFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using namespace base::io;
using namespace base::result;

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
namespace fs = std::filesystem;

namespace {

size_t EntriesIn(const fs::path& folder)
{
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    return entries;
}

} // namespace

TEST(SafeFile, ReadTellsAMissingFileFromOneThatCannotBeRead)
{
    TempDir dir;
    WriteBytes(dir / "bytes", std::string("a\0b\r\n", 5));
    const auto read = ReadWhole(dir / "bytes");
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(*read, std::string("a\0b\r\n", 5));
    WriteBytes(dir / "empty", "");
    EXPECT_EQ(*ReadWhole(dir / "empty"), "");

    for (const fs::path& absent : {dir / "none", dir / "no-folder" / "none", dir / "bytes" / "under-a-file"}) {
        const auto missing = ReadWhole(absent);
        ASSERT_FALSE(missing.Ok()) << absent;
        EXPECT_EQ(missing.Error(), Fail(Reason::Missing, "no such file")) << absent;
        EXPECT_TRUE(IsNoSuchFile(missing.Error()));
    }
    fs::create_directory(dir / "folder");
    const auto folder = ReadWhole(dir / "folder");
    ASSERT_FALSE(folder.Ok());
    EXPECT_EQ(folder.Error(), Fail(Reason::Missing, "cannot be read"));
    EXPECT_FALSE(IsNoSuchFile(folder.Error()));
    EXPECT_FALSE(IsNoSuchFile(Fail(Reason::Damaged, "no such file")));
}

TEST(SafeFile, AFailedOpenLeavesErrnoForTheCallersMessage)
{
    TempDir dir;
    errno = 0;
    ASSERT_FALSE(ReadWhole(dir / "none").Ok());
    EXPECT_EQ(errno, ENOENT);
}

TEST(SafeFile, WriteReplacesTheWholeFileAndKeepsItsPermissions)
{
    TempDir dir;
    const fs::path file = dir / "file";
    ASSERT_TRUE(WriteWhole(file, "a much longer first content").Ok());
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteWhole(file, "short").Ok());
    EXPECT_EQ(ReadBytes(file), "short") << "nothing of the longer content stays behind";
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "no temporary file stays";
}

TEST(SafeFile, AFailedWriteSaysWhyAndChangesNothing)
{
    TempDir dir;
    const fs::path file = dir / "kept";
    ASSERT_TRUE(WriteWhole(file, "before").Ok());
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    const Status readOnly = WriteWhole(file, "after");
    EXPECT_EQ(readOnly.Error(), Fail(Reason::WriteFailed, "read-only: " + file.string()));
    EXPECT_EQ(ReadBytes(file), "before");

    fs::create_directory(dir / "folder");
    EXPECT_EQ(WriteWhole(dir / "folder", "x").Error(),
              Fail(Reason::WriteFailed, "not a file: " + (dir / "folder").string()));
    EXPECT_EQ(WriteWhole(dir / "gone" / "file", "x").Error(),
              Fail(Reason::WriteFailed,
                   "cannot create a file in " + (dir / "gone").string() + ": No such file or directory"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u) << "no temporary file stays";
}
