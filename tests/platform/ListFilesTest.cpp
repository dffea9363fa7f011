#include "platform/files/ListFiles.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace base::result;
using namespace platform::files;

using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(ListFiles, MasksMatchWithWildcardsIgnoringLetterCase)
{
    EXPECT_TRUE(MatchesMask("Notes", "*.*"));
    EXPECT_TRUE(MatchesMask("My Diary.DRY", "*.dry"));
    EXPECT_TRUE(MatchesMask("a.b.dry", "*.dry"));
    EXPECT_FALSE(MatchesMask("a.dryer", "*.dry"));
    EXPECT_TRUE(MatchesMask("x1.txt", "x?.t*"));
    EXPECT_FALSE(MatchesMask("x12.txt", "x?.txt"));
}

TEST(ListFiles, GivesTheMatchingFilesOfOneFolderSortedWithoutSubfolders)
{
    TempDir folder;
    for (const char* name : {"b.dry", "A.DRY", "notes.txt", "sub/c.dry"}) {
        std::filesystem::create_directories((folder / name).parent_path());
        WriteBytes(folder / name, "x");
    }
    std::filesystem::create_directory(folder / "folder.dry"); // a folder that matches the mask
    const auto diaries = ListFiles(folder.Path().string() + "/", "*.dry");
    ASSERT_TRUE(diaries.Ok());
    EXPECT_EQ(*diaries, (std::vector<std::string>{"A.DRY", "b.dry"}));
}

TEST(ListFiles, AFolderThatCannotBeReadFailsNamingIt)
{
    TempDir folder;
    const std::string missing = (folder / "missing").string() + "/";
    const auto listed = ListFiles(missing, "*.dry");
    ASSERT_FALSE(listed.Ok());
    EXPECT_EQ(listed.Code(), Reason::Missing);
    EXPECT_EQ(listed.Message().rfind(missing + ": ", 0), 0u) << listed.Message();
}
