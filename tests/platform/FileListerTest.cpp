#include "platform/files/FileLister.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

class FileIteratorTest : public ::testing::Test {
protected:
    FileIteratorTest()
    {
        for (const char* name :
             {"b.dry", "A.DRY", "notes.txt", "sub/c.dry", "sub/deeper/d.dry", "other/e.txt"}) {
            std::filesystem::create_directories((folder / name).parent_path());
            WriteBytes(folder / name, "x");
        }
        std::filesystem::create_directory(folder / "folder.dry"); // a folder that matches the mask
    }

    std::vector<std::string> Names(const FileLister& iterator) const
    {
        std::vector<std::string> names;
        for (const std::string& path : iterator.FileList())
            names.push_back(path.substr(root.size()));
        return names;
    }

    TempDir folder;
    std::string root = folder.Path().string() + "/";
};

} // namespace

TEST(FileMask, MasksAreSplitAtSemicolonsAndTrimmed)
{
    FileLister iterator;
    EXPECT_EQ(iterator.Masks(), std::vector<std::string>{"*.*"}) << "the default \"*.*;\"";
    iterator.SetFileMask("   ");
    EXPECT_EQ(iterator.Masks(), std::vector<std::string>{"*.*"});
    iterator.SetFileMask(" *.dry ; ;*.bkd ");
    EXPECT_EQ(iterator.Masks(), (std::vector<std::string>{"*.dry", "*.bkd"}));

    EXPECT_TRUE(MatchesMask("Notes", "*.*"));
    EXPECT_TRUE(MatchesMask("My Diary.DRY", "*.dry"));
    EXPECT_TRUE(MatchesMask("a.b.dry", "*.dry"));
    EXPECT_FALSE(MatchesMask("a.dryer", "*.dry"));
    EXPECT_TRUE(MatchesMask("x1.txt", "x?.t*"));
    EXPECT_FALSE(MatchesMask("x12.txt", "x?.txt"));
}

TEST_F(FileIteratorTest, FindsTheDiariesOfOneFolderOrOfTheWholeTree)
{
    FileLister iterator;
    std::vector<std::string> folders;
    iterator.OnEachDir = [&](FileLister&, const std::string& path) {
        folders.push_back(path.substr(root.size()));
    };
    iterator.SetDirectory(folder.Path().string());
    iterator.SetFileMask("*.dry");
    iterator.SetRecurse(false);
    EXPECT_TRUE(iterator.FileList().empty()) << "nothing runs before it is enabled";
    iterator.SetEnabled(true);
    EXPECT_EQ(Names(iterator), (std::vector<std::string>{"A.DRY", "b.dry"}));
    EXPECT_EQ(folders, std::vector<std::string>{""});

    folders.clear();
    iterator.SetRecurse(true);
    EXPECT_EQ(Names(iterator), (std::vector<std::string>{"A.DRY", "b.dry", "sub/c.dry", "sub/deeper/d.dry"}));
    EXPECT_EQ(folders, (std::vector<std::string>{"", "folder.dry/", "other/", "sub/", "sub/deeper/"}));

    iterator.SetFileMask("*.txt;*.TXT");
    EXPECT_EQ(Names(iterator),
              (std::vector<std::string>{"notes.txt", "notes.txt", "other/e.txt", "other/e.txt"}))
        << "a file is added once for each mask it matches";
    EXPECT_TRUE(iterator.Errors().empty());
}

TEST_F(FileIteratorTest, MaxFilesStopsTheSearchAndEventsReportEachFile)
{
    FileLister iterator;
    int dirs = 0;
    std::vector<std::string> files;
    iterator.OnEachDir = [&](FileLister&, const std::string&) { ++dirs; };
    iterator.OnEachFile = [&](FileLister&, const FileEntry& file) {
        files.push_back(file.Name);
        EXPECT_EQ(file.Size, 1u);
    };
    iterator.MaxFiles = 1;
    iterator.ProcessMessages = true;
    iterator.SetDirectory(root);
    iterator.SetEnabled(true);
    EXPECT_EQ(Names(iterator), std::vector<std::string>{"A.DRY"});
    EXPECT_EQ(dirs, 1);
    EXPECT_EQ(files, std::vector<std::string>{"A.DRY"});

    iterator.SetEnabled(false);
    iterator.SetFileMask("*.txt");
    EXPECT_EQ(Names(iterator), std::vector<std::string>{"A.DRY"}) << "disabled: nothing runs";
}

TEST_F(FileIteratorTest, AFolderThatCannotBeReadIsReported)
{
    FileLister iterator;
    iterator.SetDirectory((folder / "missing").string());
    iterator.SetEnabled(true);
    EXPECT_TRUE(iterator.FileList().empty());
    ASSERT_EQ(iterator.Errors().size(), 1u);
    EXPECT_NE(iterator.Errors()[0].find("missing"), std::string::npos);
}
