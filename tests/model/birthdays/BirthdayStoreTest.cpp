// The component that moves the whole list between memory, backup files and the working store
// in the settings file.
#include "model/birthdays/BirthdayBook.h"

#include "base/dates/CalendarDate.h"
#include "support/RegistryValues.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace base::dates;
using namespace base::result;
using namespace model::birthdays;
using namespace platform::registry;

using testing_support::FailureOf;
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
    RegistryFile Store() const
    {
        return {settings_, [](const std::string&) {}};
    }

    // The registry value the store holds, or nothing.
    std::optional<RegData> StoredValue(const std::string& name = "Data") const
    {
        Registry registry(Store());
        if (!registry.OpenKey("Software\\Kestrine\\BirthDay", false))
            return std::nullopt;
        return registry.ReadValue(name);
    }

    void Store(const RegData& data) const
    {
        Registry registry(Store());
        ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Kestrine\\BirthDay", true));
        ASSERT_TRUE(registry.WriteValue("Data", data));
    }

    static void AddPerson(BirthdayEntryComponent& component, const std::string& name, int month, int day)
    {
        BirthdayEntry& entry = component.Entries().Add();
        entry.SetFullName(name);
        entry.SetBirthDate(EncodeDate(1980, month, day));
    }

    TempDir dir_;
    std::filesystem::path settings_ = dir_ / "registry.reg";
    std::string entries_ = ReadBytes(VectorPath("birthdays/entries.bbk"));
    BirthdayEntryComponent component_{Store(), 1252};
};

} // namespace

TEST_F(EntryStoreTest, BackupFilesHoldTheStoredFormatAndLoadingReplacesTheList)
{
    int changes = 0;
    component_.Entries().OnChange = [&](BirthdayBook&) { ++changes; };
    WriteBytes(dir_ / "in.bbk", entries_);
    AddPerson(component_, "Old", 1, 1);
    changes = 0;

    ASSERT_TRUE(component_.LoadFromFile(dir_ / "in.bbk"));
    EXPECT_EQ(component_.Entries().Count(), 6);
    EXPECT_EQ(component_.LoadedCount(), 6);
    EXPECT_EQ(component_.Entries()[0].FullName(), "Anna Berg");
    EXPECT_FALSE(component_.Entries().Modified());
    EXPECT_EQ(changes, 1);

    component_.Entries().SetModified(true);
    ASSERT_TRUE(component_.SaveToFile(dir_ / "out.bbk"));
    EXPECT_EQ(ReadBytes(dir_ / "out.bbk"), entries_);
    EXPECT_FALSE(component_.Entries().Modified());
}

TEST_F(EntryStoreTest, AFileThatCannotBeReadWholeLeavesTheListAsItWas)
{
    AddPerson(component_, "Kept", 4, 4);
    WriteBytes(dir_ / "cut.bbk", entries_.substr(0, 300));
    EXPECT_EQ(FailureOf(component_.LoadFromFile(dir_ / "cut.bbk"), Reason::Damaged), "Invalid stream format");
    EXPECT_EQ(FailureOf(component_.LoadFromFile(dir_ / "missing.bbk"), Reason::Missing),
              "Cannot open file \"" + (dir_ / "missing.bbk").string() + "\"");

    // Backups are a few kilobytes: a file beyond 64 MiB is not read at all.
    const auto huge = dir_ / "huge.bbk";
    WriteBytes(huge, entries_);
    std::filesystem::resize_file(huge, (std::uintmax_t{64} << 20) + 1);
    EXPECT_EQ(FailureOf(component_.LoadFromFile(huge), Reason::Refused),
              "The file \"" + huge.string() + "\" is far too large for a birthday backup");

    ASSERT_EQ(component_.Entries().Count(), 1);
    EXPECT_EQ(component_.Entries()[0].FullName(), "Kept");
    EXPECT_TRUE(component_.Entries().Modified());

    // A stored empty list leaves the entries in memory in place.
    WriteBytes(dir_ / "empty.bbk", ReadBytes(VectorPath("birthdays/empty.bbk")));
    ASSERT_TRUE(component_.LoadFromFile(dir_ / "empty.bbk"));
    EXPECT_EQ(component_.Entries().Count(), 1);
    EXPECT_EQ(component_.LoadedCount(), 0);
}

TEST_F(EntryStoreTest, ABackupThatCannotBeWrittenIsReportedAndTheListStaysModified)
{
    AddPerson(component_, "Ann", 2, 2);
    // A folder stands where the file should go.
    std::filesystem::create_directories(dir_ / "entries.bbk" / "inside");
    const std::string message = FailureOf(component_.SaveToFile(dir_ / "entries.bbk"), Reason::WriteFailed);
    EXPECT_EQ(message.rfind("Cannot create file \"" + (dir_ / "entries.bbk").string() + "\". ", 0), 0u)
        << message;
    EXPECT_TRUE(component_.Entries().Modified());
}

TEST_F(EntryStoreTest, TheWorkingStoreIsTheBinaryValueDataOfTheBirthdayKey)
{
    ASSERT_TRUE(component_.LoadFromFile(VectorPath("birthdays/entries.bbk")));
    component_.Entries().SetModified(true);
    ASSERT_TRUE(component_.SaveToRegistry());
    EXPECT_FALSE(component_.Entries().Modified());
    EXPECT_EQ(StoredValue(), (RegData{RegType::Binary, entries_}));

    BirthdayEntryComponent second(Store(), 1252);
    int changes = 0;
    second.Entries().OnChange = [&](BirthdayBook&) { ++changes; };
    ASSERT_TRUE(second.LoadFromRegistry());
    EXPECT_EQ(second.Entries().Count(), 6);
    EXPECT_EQ(second.Entries()[4].Notes(), std::string(300, 'x'));
    EXPECT_FALSE(second.Entries().Modified());
    EXPECT_EQ(changes, 1);

    // A missing value empties the list without marking it.
    second.Entries().SetModified(true);
    ASSERT_TRUE(second.LoadFromRegistry("Nothing"));
    EXPECT_EQ(second.Entries().Count(), 0);
    EXPECT_TRUE(second.Entries().Modified());
}

TEST_F(EntryStoreTest, The65534ByteLimitOfTheStoreIsKeptWithItsMessage)
{
    // 58 bytes of an empty list, 13 around the notes of one entry.
    BirthdayEntry& entry = component_.Entries().Add();
    entry.SetNotes(std::string(65534 - 58 - 13, 'n'));
    ASSERT_EQ(component_.Stream().size(), 65534u);
    ASSERT_TRUE(component_.SaveToRegistry());
    EXPECT_EQ(StoredValue()->Bytes.size(), 65534u);
    BirthdayEntryComponent full(Store(), 1252);
    ASSERT_TRUE(full.LoadFromRegistry()) << "a value of exactly the limit reads back";
    EXPECT_EQ(full.Entries()[0].Notes().size(), 65534u - 58 - 13);

    entry.SetNotes(std::string(65535 - 58 - 13, 'n'));
    EXPECT_EQ(FailureOf(component_.SaveToRegistry(), Reason::Refused), TooMany);
    EXPECT_TRUE(component_.Entries().Modified());
    EXPECT_EQ(StoredValue()->Bytes.size(), 65534u);

    // A stored value over the limit, or of another type, is refused and changes nothing.
    Store({RegType::Binary, std::string(65535, '\0')});
    BirthdayEntryComponent reader(Store(), 1252);
    AddPerson(reader, "Kept", 3, 3);
    for (const auto& data : {RegData{RegType::Binary, std::string(65535, '\0')},
                             RegData{RegType::String, std::string("text\0", 5)}}) {
        Store(data);
        EXPECT_EQ(FailureOf(reader.LoadFromRegistry(), Reason::Damaged), "Invalid data type for 'Data'");
        EXPECT_EQ(FailureOf(ReadWorkingStore(Store()), Reason::Damaged), "Invalid data type for 'Data'");
        EXPECT_EQ(reader.Entries().Count(), 1);
    }
}

TEST_F(EntryStoreTest, DamagedStoredDataKeepsWhatCouldBeReadAndIsNotWrittenBack)
{
    const std::string damaged = entries_.substr(0, 0xE0); // two entries whole, the third cut
    Store({RegType::Binary, damaged});
    EXPECT_EQ(
        FailureOf(component_.LoadFromRegistry(), Reason::Damaged),
        "Your stored birthday entries could not be read completely (Invalid stream format).\r\nThe 2 "
        "entries read before the fault are shown; the stored data is left as it is\r\nunless you change "
        "the entries. Restore a recent backup to get the others back.");
    EXPECT_EQ(component_.Entries().Count(), 2);
    EXPECT_FALSE(component_.Entries().Modified());
    EXPECT_EQ(StoredValue()->Bytes, damaged);
}

TEST_F(EntryStoreTest, SettingsThatCannotBeWrittenAreReportedAndTheListStaysModified)
{
    settings_ = dir_ / "folder.reg";
    std::filesystem::create_directories(settings_ / "inside");
    BirthdayEntryComponent component(Store(), 1252);
    AddPerson(component, "Ann", 2, 2);
    const std::string message = FailureOf(component.SaveToRegistry(), Reason::WriteFailed);
    EXPECT_EQ(message.rfind("Failed to set data for 'Data'\r\ncannot read the settings file ", 0), 0u)
        << message;
    EXPECT_TRUE(component.Entries().Modified());
}
