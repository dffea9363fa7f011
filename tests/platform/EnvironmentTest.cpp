#include "platform/environment/DiaryArgument.h"
#include "platform/environment/Environment.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <map>

using namespace platform::environment;

using testing_support::TempDir;

namespace fs = std::filesystem;

namespace {

class InstalledEnvironment : public ::testing::Test {
protected:
    Environment Read(const fs::path& executableFolder)
    {
        return EnvironmentFrom(
            [&](const char* name) -> std::optional<std::string> {
                const auto found = variables_.find(name);
                return found == variables_.end() ? std::nullopt : std::optional(found->second);
            },
            executableFolder);
    }

    TempDir prefix_;
    std::map<std::string, std::string> variables_{{"HOME", "/home/ann"}};
};

} // namespace

TEST_F(InstalledEnvironment, InstallationForAllUsersKeepsDiariesInTheUsersDataFolder)
{
    fs::create_directories(prefix_ / "bin");
    fs::create_directories(prefix_ / "share/daybrook");

    Environment environment = Read(prefix_ / "bin");
    EXPECT_EQ(environment.ProgramFolder, "/home/ann/.local/share/daybrook");
    EXPECT_EQ(environment.DataFolder, prefix_ / "share/daybrook");

    variables_["XDG_DATA_HOME"] = "/tmp/data";
    EXPECT_EQ(Read(prefix_ / "bin").ProgramFolder, "/tmp/data/daybrook");
    variables_["XDG_DATA_HOME"] = "relative";
    EXPECT_EQ(Read(prefix_ / "bin").ProgramFolder, "/home/ann/.local/share/daybrook")
        << "a relative XDG_DATA_HOME is ignored";

    variables_["DAYBROOK_FOLDER"] = "/tmp/program";
    environment = Read(prefix_ / "bin");
    EXPECT_EQ(environment.ProgramFolder, "/tmp/program");
    EXPECT_TRUE(environment.DataFolder.empty()) << "the named folder holds the dictionary too";
}

TEST_F(InstalledEnvironment, ProgramWithoutSharedDataKeepsEverythingBesideIt)
{
    // A copy in a bin folder of its own, as a user might keep one.
    fs::create_directories(prefix_ / "bin");
    Environment environment = Read(prefix_ / "bin");
    EXPECT_EQ(environment.ProgramFolder, prefix_ / "bin");
    EXPECT_TRUE(environment.DataFolder.empty());

    // The per-user program folder of `make run`, whose parent is a share folder.
    fs::create_directories(prefix_ / "share/daybrook");
    environment = Read(prefix_ / "share/daybrook");
    EXPECT_EQ(environment.ProgramFolder, prefix_ / "share/daybrook");
    EXPECT_TRUE(environment.DataFolder.empty());
}

TEST(DiaryArgument, FirstDiaryFileNamesTheFolderAndTheDiary)
{
    const auto absolute = DiaryFromArguments({"daybrook", "/home/ann/Diaries/Holidays.DRY"});
    ASSERT_TRUE(absolute);
    EXPECT_EQ(absolute->Folder, "/home/ann/Diaries");
    EXPECT_EQ(absolute->FileName, "Holidays.DRY");

    const auto relative = DiaryFromArguments({"daybrook", "notes.txt", "./old/../Work.dry", "Other.dry"});
    ASSERT_TRUE(relative);
    EXPECT_EQ(relative->Folder, fs::current_path());
    EXPECT_EQ(relative->FileName, "Work.dry");

    EXPECT_FALSE(DiaryFromArguments({"daybrook"}));
    EXPECT_FALSE(DiaryFromArguments({"Diary.dry"})) << "the program's own name is no argument";
    EXPECT_FALSE(DiaryFromArguments({"daybrook", "Diary.dry.bkd", ".dry"}));
}
