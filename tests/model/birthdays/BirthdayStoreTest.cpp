// The component that moves the whole list between memory, backup files and the working store
// in the settings file.
#include "model/birthdays/BirthdayBook.h"

#include "base/dates/CalendarDate.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace birthdays;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;

namespace {

const std::string TooMany =
    "You have to many entries in your database so they cannot\r\n be saved. Please delete some "
    "entries and try to exit again!";

class EntryStoreTest : public testing::Test {
protected:
    platform::RegistryFile Store() const
    {
        return {settings, [](const std::string&) {}};
    }

    // The registry value the store holds, or nothing.
    std::optional<platform::RegData> StoredValue(const std::string& name = "Data") const
    {
        platform::Registry registry(Store());
        if (!registry.OpenKey("Software\\Kestrine\\BirthDay", false))
            return std::nullopt;
        return registry.ReadValue(name);
    }

    void Store(const platform::RegData& data) const
    {
        platform::Registry registry(Store());
        ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Kestrine\\BirthDay", true));
        ASSERT_TRUE(registry.WriteValue("Data", data));
    }

    void AddPerson(BirthdayEntryComponent& component, const std::string& name, int month, int day)
    {
        BirthdayEntry& entry = component.Entries().Add();
        entry.SetFullName(name);
        entry.SetBirthDate(calendar::EncodeDate(1980, month, day));
    }

    TempDir dir;
    std::filesystem::path settings = dir / "registry.reg";
    std::string entries = ReadBytes(VectorPath("birthdays/entries.bbk"));
};

} // namespace

TEST_F(EntryStoreTest, BackupFilesHoldTheStoredFormatAndLoadingReplacesTheList)
{
    BirthdayEntryComponent component(Store(), 1252);
    int changes = 0;
    component.Entries().OnChange = [&](BirthdayBook&) { ++changes; };
    WriteBytes(dir / "in.bbk", entries);
    AddPerson(component, "Old", 1, 1);
    changes = 0;

    EXPECT_EQ(component.LoadFromFile(dir / "in.bbk"), 0);
    EXPECT_EQ(component.Entries().Count(), 6);
    EXPECT_EQ(component.Entries()[0].FullName(), "Anna Berg");
    EXPECT_FALSE(component.Entries().Modified());
    EXPECT_EQ(changes, 1);

    component.Entries().SetModified(true);
    component.SaveToFile(dir / "out.bbk");
    EXPECT_EQ(ReadBytes(dir / "out.bbk"), entries);
    EXPECT_FALSE(component.Entries().Modified());
}

TEST_F(EntryStoreTest, AFileThatCannotBeReadWholeLeavesTheListAsItWas)
{
    BirthdayEntryComponent component(Store(), 1252);
    AddPerson(component, "Kept", 4, 4);
    WriteBytes(dir / "cut.bbk", entries.substr(0, 300));
    EXPECT_EQ(component.LoadFromFile(dir / "cut.bbk"), 1);
    EXPECT_EQ(component.LoadError(), "Invalid stream format");
    EXPECT_EQ(component.LoadFromFile(dir / "missing.bbk"), 1);
    EXPECT_NE(component.LoadError().find("missing.bbk"), std::string::npos);
    ASSERT_EQ(component.Entries().Count(), 1);
    EXPECT_EQ(component.Entries()[0].FullName(), "Kept");
    EXPECT_TRUE(component.Entries().Modified());

    // A stored empty list leaves the entries in memory in place.
    WriteBytes(dir / "empty.bbk", ReadBytes(VectorPath("birthdays/empty.bbk")));
    EXPECT_EQ(component.LoadFromFile(dir / "empty.bbk"), 0);
    EXPECT_EQ(component.Entries().Count(), 1);
}

TEST_F(EntryStoreTest, ABackupThatCannotBeWrittenIsReportedAndTheListStaysModified)
{
    BirthdayEntryComponent component(Store(), 1252);
    AddPerson(component, "Ann", 2, 2);
    // A folder stands where the file should go.
    std::filesystem::create_directories(dir / "entries.bbk" / "inside");
    try {
        component.SaveToFile(dir / "entries.bbk");
        FAIL() << "no error";
    } catch (const BirthdayBookError& error) {
        EXPECT_EQ(std::string(error.what())
                      .rfind("Cannot create file \"" + (dir / "entries.bbk").string() + "\". ", 0),
                  0u)
            << error.what();
    }
    EXPECT_TRUE(component.Entries().Modified());
}

TEST_F(EntryStoreTest, TheWorkingStoreIsTheBinaryValueDataOfTheBirthdayKey)
{
    BirthdayEntryComponent component(Store(), 1252);
    ASSERT_EQ(component.LoadFromFile(VectorPath("birthdays/entries.bbk")), 0);
    component.Entries().SetModified(true);
    component.SaveToRegistry();
    EXPECT_FALSE(component.Entries().Modified());
    EXPECT_EQ(StoredValue(), (platform::RegData{platform::RegType::Binary, entries}));
    EXPECT_NE(ReadBytes(settings).find("[HKEY_CURRENT_USER\\Software\\Kestrine\\BirthDay]"),
              std::string::npos);

    BirthdayEntryComponent second(Store(), 1252);
    int changes = 0;
    second.Entries().OnChange = [&](BirthdayBook&) { ++changes; };
    second.LoadFromRegistry();
    EXPECT_EQ(second.Entries().Count(), 6);
    EXPECT_EQ(second.Entries()[4].Notes(), std::string(300, 'x'));
    EXPECT_FALSE(second.Entries().Modified());
    EXPECT_EQ(changes, 1);

    // Another value name; a missing value empties the list without marking it.
    second.SaveToRegistry("Spare");
    EXPECT_EQ(StoredValue("Spare")->Bytes, entries);
    second.Entries().SetModified(true);
    second.LoadFromRegistry("Nothing");
    EXPECT_EQ(second.Entries().Count(), 0);
    EXPECT_TRUE(second.Entries().Modified());
}

TEST_F(EntryStoreTest, The65534ByteLimitOfTheStoreIsKeptWithItsMessage)
{
    BirthdayEntryComponent component(Store(), 1252);
    // 58 bytes of an empty list, 13 around the notes of one entry.
    BirthdayEntry& entry = component.Entries().Add();
    entry.SetNotes(std::string(65534 - 58 - 13, 'n'));
    ASSERT_EQ(component.Stream().size(), 65534u);
    component.SaveToRegistry();
    EXPECT_EQ(StoredValue()->Bytes.size(), 65534u);

    entry.SetNotes(std::string(65535 - 58 - 13, 'n'));
    try {
        component.SaveToRegistry();
        FAIL() << "no error";
    } catch (const BirthdayBookError& error) {
        EXPECT_EQ(error.what(), TooMany);
    }
    EXPECT_TRUE(component.Entries().Modified());
    EXPECT_EQ(StoredValue()->Bytes.size(), 65534u);

    // A stored value over the limit, or of another type, is refused and changes nothing.
    Store({platform::RegType::Binary, std::string(65535, '\0')});
    BirthdayEntryComponent reader(Store(), 1252);
    AddPerson(reader, "Kept", 3, 3);
    for (const auto& data : {platform::RegData{platform::RegType::Binary, std::string(65535, '\0')},
                             platform::RegData{platform::RegType::String, std::string("text\0", 5)}}) {
        Store(data);
        try {
            reader.LoadFromRegistry();
            FAIL() << "no error";
        } catch (const BirthdayBookError& error) {
            EXPECT_STREQ(error.what(), "Invalid data type for 'Data'");
        }
        EXPECT_EQ(reader.Entries().Count(), 1);
    }
}

TEST_F(EntryStoreTest, DamagedStoredDataKeepsWhatCouldBeReadAndIsNotWrittenBack)
{
    const std::string damaged = entries.substr(0, 0xE0); // two entries whole, the third cut
    Store({platform::RegType::Binary, damaged});
    BirthdayEntryComponent component(Store(), 1252);
    try {
        component.LoadFromRegistry();
        FAIL() << "no error";
    } catch (const BirthdayBookError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("could not be read completely (Invalid stream format)"), std::string::npos)
            << message;
        EXPECT_NE(message.find("The 2 entries read before the fault are shown"), std::string::npos)
            << message;
    }
    EXPECT_EQ(component.Entries().Count(), 2);
    EXPECT_FALSE(component.Entries().Modified());
    EXPECT_EQ(StoredValue()->Bytes, damaged);
}

TEST_F(EntryStoreTest, NothingOfTheListPassesThroughTheTemporaryFolder)
{
    const TempDir temporary;
    const char* saved = std::getenv("TMPDIR");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("TMPDIR", temporary.Path().c_str(), 1);
    BirthdayEntryComponent component(Store(), 1252);
    AddPerson(component, "Private Person", 1, 2);
    component.SaveToRegistry();
    component.LoadFromRegistry();
    if (saved != nullptr)
        ::setenv("TMPDIR", previous.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_TRUE(std::filesystem::is_empty(temporary.Path()));
    EXPECT_EQ(component.Entries().Count(), 1);
}

TEST_F(EntryStoreTest, SettingsThatCannotBeWrittenAreReportedAndTheListStaysModified)
{
    settings = dir / "folder.reg";
    std::filesystem::create_directories(settings / "inside");
    BirthdayEntryComponent component(Store(), 1252);
    AddPerson(component, "Ann", 2, 2);
    try {
        component.SaveToRegistry();
        FAIL() << "no error";
    } catch (const BirthdayBookError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Failed to set data for 'Data'", 0), 0u);
    }
    EXPECT_TRUE(component.Entries().Modified());
}
