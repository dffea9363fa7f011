#include "platform/registry/Registry.h"
#include "platform/environment/Environment.h"

#include "support/RegistryValues.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sys/stat.h>
#include <tuple>
#include <vector>

using namespace base::result;
using namespace platform::environment;
using namespace platform::registry;

using testing_support::DbkKey;
using testing_support::Dword;
using testing_support::Parsed;
using testing_support::ReadBytes;
using testing_support::Sz;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// A settings store whose problems with its file are collected.
struct Reports {
    RegistryFile Store(const std::filesystem::path& file)
    {
        return {file, [this](const std::string& message) { Messages.push_back(message); }};
    }
    std::vector<std::string> Messages;
};

} // namespace

TEST(RegFile, EveryValueTypeSurvivesTheTextAndIsWrittenAsRegeditWritesIt)
{
    RegDocument document;
    document.SetValue(DbkKey, "LastDiaryName", Sz("My \"best\" C:\\diary.dry"));
    document.SetValue(DbkKey, "CurrentSkin", Dword(0x80000007));
    document.SetValue(DbkKey, "", Sz("default"));
    document.SetValue(DbkKey, "Path", {RegType::ExpandString, std::string("%TEMP%\0", 7)});
    document.SetValue(DbkKey, "Lines", Sz("one\r\ntwo"));
    document.SetValue(DbkKey, "Empty", {RegType::String, ""});
    document.SetValue(DbkKey, "Multi", {RegType::MultiString, std::string("a\0b\0\0", 5)});
    document.SetValue(DbkKey, "Other", {static_cast<RegType>(0xb), std::string("\x01", 1)});
    std::string big;
    for (int i = 0; i < 300; ++i)
        big += static_cast<char>(i);
    document.SetValue("HKEY_CURRENT_USER\\Software\\Kestrine\\BirthDay", "Data", {RegType::Binary, big});

    const std::string text = FormatRegText(document);
    EXPECT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
                                 "\"LastDiaryName\"=\"My \\\"best\\\" C:\\\\diary.dry\"\r\n"
                                 "\"CurrentSkin\"=dword:80000007\r\n@=\"default\"\r\n"
                                 "\"Path\"=hex(2):25,54,45,4d,50,25,00\r\n"))
        << text;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        EXPECT_LE(end - start, 80u) << "long lines are continued";

    const auto values = [](const RegDocument& read) {
        std::vector<std::tuple<std::string, std::string, RegType, std::string>> all;
        for (const auto& key : read.Keys())
            for (const auto& value : key.Values)
                all.emplace_back(key.Path, value.Name, value.Data.Type, value.Data.Bytes);
        return all;
    };
    EXPECT_EQ(values(Parsed(text)), values(document));
}

TEST(RegFile, ReadsExportsWithCommentsContinuationsDeletionsAndMixedCase)
{
    const RegDocument document = Parsed("\r\nREGEDIT4\r\n\r\n; a comment\r\n"
                                        "[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\n"
                                        "\"Skin\"=dword:00000003\n"
                                        "\"Bin\"=hex:01,02,\\\n  03,04\n"
                                        "\"Gone\"=\"x\"\n"
                                        "[hkey_current_user\\Software\\KESTRINE\\dbk]\n"
                                        "\"skin\"=dword:5\n"
                                        "\"Gone\"=-\n"
                                        "[HKEY_CURRENT_USER\\Software\\Other\\Deep]\n"
                                        "[-HKEY_CURRENT_USER\\Software\\Other]\n");
    ASSERT_EQ(document.Keys().size(), 1u) << "one key whatever its letter case; the deleted key is gone";
    ASSERT_NE(document.FindValue(DbkKey, "SKIN"), nullptr);
    EXPECT_EQ(document.FindValue(DbkKey, "SKIN")->Bytes, std::string("\x05\0\0\0", 4));
    EXPECT_EQ(document.FindValue(DbkKey, "bin")->Bytes, "\x01\x02\x03\x04");
    EXPECT_EQ(document.FindValue(DbkKey, "Gone"), nullptr);
    EXPECT_TRUE(document.KeyExists("HKEY_CURRENT_USER\\software"));
    EXPECT_FALSE(document.KeyExists("HKEY_CURRENT_USER\\Software\\Other"));
}

TEST(RegFile, ForeignOrDamagedTextIsRefusedWithAReason)
{
    for (const std::string& text : {
             std::string(),
             std::string("[HKEY_CURRENT_USER\\A]\r\n"),
             std::string("REGEDIT4\r\n\"orphan\"=\"value\"\r\n"),
             std::string("REGEDIT4\r\n[HKEY_NOWHERE\\A]\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=hex:1g\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=dword:123456789\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"unterminated\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\A\r\n"),
         }) {
        const auto document = ParseRegText(text);
        ASSERT_FALSE(document.Ok()) << text;
        EXPECT_EQ(document.Code(), Reason::Damaged);
        EXPECT_FALSE(document.Message().empty()) << text;
    }
}

class RegistryStoreTest : public ::testing::Test {
protected:
    TempDir folder_;
    std::filesystem::path file_ = folder_ / "registry.reg";
    RegistryFile store_{file_, {}};
    // Tells whether the file was replaced since an earlier call.
    ino_t Inode() const
    {
        struct stat info {};
        ::stat(file_.c_str(), &info);
        return info.st_ino;
    }
};

TEST_F(RegistryStoreTest, ValuesWrittenByOneAccessorAreReadByAnotherWithTheirTypes)
{
    Registry writer(store_);
    ASSERT_TRUE(writer.OpenKey("SOFTWARE\\Kestrine\\DBK", true));
    ASSERT_TRUE(writer.WriteValue("FontName", Sz("Arial")));
    ASSERT_TRUE(writer.WriteValue("FontSize", Dword(10)));

    Registry reader(store_);
    const auto missing = reader.OpenKey("SOFTWARE\\Kestrine\\Nothing", false);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Code(), Reason::Missing);
    EXPECT_TRUE(reader.OpenKey("software\\kestrine", false)) << "a level above an existing key exists";
    ASSERT_TRUE(reader.OpenKey("\\Software\\Kestrine\\DBK", false));
    EXPECT_TRUE(reader.ValueExists("fontname"));
    EXPECT_FALSE(reader.ValueExists("FontColor"));
    EXPECT_EQ(reader.ReadValue("FONTSIZE"), Dword(10));

    reader.SetRootKey(RegHive::LocalMachine);
    EXPECT_FALSE(reader.HasOpenKey()) << "changing the hive closes the key";
    EXPECT_FALSE(reader.OpenKey("SOFTWARE\\Kestrine\\DBK", false)) << "hives are apart";
}

TEST_F(RegistryStoreTest, EachWriteRereadsTheFileSoAccessorsDoNotUndoEachOther)
{
    Registry first(store_), second(store_);
    ASSERT_TRUE(first.OpenKey("K", true));
    ASSERT_TRUE(second.OpenKey("K", true));
    ASSERT_TRUE(first.WriteValue("A", Sz("1")));
    ASSERT_TRUE(second.WriteValue("B", Sz("2")));
    const RegDocument stored = Parsed(ReadBytes(file_));
    EXPECT_NE(stored.FindValue("HKEY_CURRENT_USER\\K", "A"), nullptr);
    EXPECT_NE(stored.FindValue("HKEY_CURRENT_USER\\K", "B"), nullptr);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}))
        << "no temporary file is left";
}

TEST_F(RegistryStoreTest, AKeyCreatedForReadingReachesTheFileOnlyWithItsFirstValue)
{
    Registry registry(store_);
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Kestrine\\DBK", true));
    EXPECT_FALSE(registry.ValueExists("LastDiaryName"));
    EXPECT_FALSE(std::filesystem::exists(file_)) << "reading settings writes nothing";
    EXPECT_FALSE(Registry(store_).OpenKey("SOFTWARE\\Kestrine\\DBK", false));
}

TEST_F(RegistryStoreTest, AReadOnlyFileIsNeverChanged)
{
    const std::string original = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"A\"=\"1\"\r\n\r\n";
    WriteBytes(file_, original);
    std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
    Registry registry(store_);
    ASSERT_TRUE(registry.OpenKey("K", true));
    const auto written = registry.WriteValue("A", Sz("2"));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.Code(), Reason::WriteFailed);
    EXPECT_NE(written.Message().find("read-only"), std::string::npos) << written.Message();
    EXPECT_EQ(ReadBytes(file_), original);
    EXPECT_EQ(registry.ReadValue("A"), Sz("1"));
}

TEST_F(RegistryStoreTest, ADamagedFileIsReportedOnceAndSetAsideBeforeItIsReplaced)
{
    const std::string damaged = "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"A\"=hex:zz\r\n";
    WriteBytes(file_, damaged);
    Reports reports;
    Registry first(reports.Store(file_));
    Registry second(reports.Store(file_));
    ASSERT_TRUE(second.OpenKey("K", true));
    EXPECT_FALSE(second.ValueExists("A"));
    ASSERT_EQ(reports.Messages.size(), 1u);
    EXPECT_NE(reports.Messages[0].find("damaged"), std::string::npos) << reports.Messages[0];
    EXPECT_NE(reports.Messages[0].find("registry.reg.damaged"), std::string::npos) << reports.Messages[0];
    EXPECT_EQ(ReadBytes(folder_ / "registry.reg.damaged"), damaged);

    ASSERT_TRUE(second.WriteValue("A", Sz("fresh")));
    EXPECT_EQ(Parsed(ReadBytes(file_)).FindValue("HKEY_CURRENT_USER\\K", "A")->Bytes,
              std::string("fresh\0", 6));
    EXPECT_EQ(ReadBytes(folder_ / "registry.reg.damaged"), damaged);
    EXPECT_EQ(reports.Messages.size(), 1u);
}

TEST_F(RegistryStoreTest, AFileThatCannotBeReadIsReportedAndNeverOverwritten)
{
    std::filesystem::create_directory(file_); // a folder where the file should be
    Reports reports;
    Registry registry(reports.Store(file_));
    ASSERT_TRUE(registry.OpenKey("K", true));
    EXPECT_FALSE(registry.WriteValue("A", Sz("1")));
    EXPECT_TRUE(std::filesystem::is_directory(file_));
    EXPECT_EQ(reports.Messages.size(), 1u);
}

TEST_F(RegistryStoreTest, AnUpdateWritesEveryChangedValueInOneWriteAndNothingWhenAllAreStored)
{
    Registry registry(store_);
    ASSERT_TRUE(registry.OpenKey("K", true));
    ASSERT_TRUE(registry.WriteValue("A", Sz("1")));
    Registry other(store_);
    ASSERT_TRUE(other.OpenKey("Other", true));
    ASSERT_TRUE(other.WriteValue("X", Sz("kept")));

    registry.BeginUpdate();
    ASSERT_TRUE(registry.WriteValue("A", Sz("1")));
    ASSERT_TRUE(registry.OpenKey("K\\Sub", true));
    ASSERT_TRUE(registry.WriteValue("B", Sz("2")));
    EXPECT_EQ(registry.ReadValue("B"), Sz("2")) << "a noted value reads back";
    EXPECT_EQ(Parsed(ReadBytes(file_)).FindValue("HKEY_CURRENT_USER\\K\\Sub", "B"), nullptr)
        << "nothing is written before the update ends";
    const auto updated = Inode();
    ASSERT_TRUE(registry.EndUpdate());
    EXPECT_NE(Inode(), updated);
    const RegDocument stored = Parsed(ReadBytes(file_));
    EXPECT_EQ(*stored.FindValue("HKEY_CURRENT_USER\\K\\Sub", "B"), Sz("2"));
    EXPECT_EQ(*stored.FindValue("HKEY_CURRENT_USER\\Other", "X"), Sz("kept")) << "re-read before writing";

    const auto written = Inode();
    registry.BeginUpdate();
    ASSERT_TRUE(registry.WriteValue("B", Sz("2")));
    ASSERT_TRUE(registry.EndUpdate());
    EXPECT_EQ(Inode(), written) << "nothing changed: the file was not replaced";
}

TEST(Environment, VariablesChooseTheProgramFolderTheSettingsFileAndTheCodePage)
{
    std::map<std::string, std::string> variables;
    const auto lookup = [&](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
    variables = {{"HOME", "/home/ann"}, {"LANG", "el_GR.UTF-8"}};
    Environment environment = EnvironmentFrom(lookup);
    EXPECT_EQ(environment.SettingsFile, "/home/ann/.config/daybrook/registry.reg");
    EXPECT_EQ(environment.ProgramFolder, ExecutableFolder());
    EXPECT_EQ(environment.CodePage, 1253);

    variables = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/tmp/config"}, {"LC_ALL", "ru_RU.UTF-8"},
                 {"LANG", "el_GR.UTF-8"}, {"DAYBROOK_FOLDER", "/tmp/program"}};
    environment = EnvironmentFrom(lookup);
    EXPECT_EQ(environment.SettingsFile, "/tmp/config/daybrook/registry.reg");
    EXPECT_EQ(environment.ProgramFolder, "/tmp/program");
    EXPECT_EQ(environment.CodePage, 1251) << "LC_ALL comes before LANG";

    variables = {{"DAYBROOK_REGISTRY", "/tmp/x/my.reg"}, {"XDG_CONFIG_HOME", "relative"},
                 {"DAYBROOK_CODEPAGE", "1250"}, {"LANG", "el_GR.UTF-8"}};
    environment = EnvironmentFrom(lookup);
    EXPECT_EQ(environment.SettingsFile, "/tmp/x/my.reg");
    EXPECT_EQ(environment.CodePage, 1250);
    variables["DAYBROOK_CODEPAGE"] = "99999";
    EXPECT_EQ(EnvironmentFrom(lookup).CodePage, 1253) << "an unknown code page is ignored";
}
