// The birthday keeper's records: one person (BirthdayEntry), the list with its queries by day and by
// month and its modified flag (BirthdayBook), and the component that moves the whole list between
// memory, backup files and the working store in the settings (BirthdayEntryComponent).
#pragma once

#include "base/result/Result.h"
#include "formats/birthdays/BirthdayStream.h"
#include "platform/registry/Registry.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace model::birthdays {

class BirthdayBook;

// One person: text is 8-bit in the diary code page.
class BirthdayEntry {
public:
    BirthdayEntry() = default; // an entry of no list
    BirthdayEntry(const BirthdayEntry&) = delete;
    BirthdayEntry& operator=(const BirthdayEntry&) = delete;

    // Each setter marks the entry, and the list it belongs to, modified.
    const std::string& FullName() const { return values_.FullName; }
    void SetFullName(std::string value);
    // Days since 1899-12-30; the year 1004 stands for an unknown year, 0 for no date.
    double BirthDate() const { return values_.BirthDate; }
    void SetBirthDate(double value);
    int32_t Icon() const { return values_.Icon; }
    void SetIcon(int32_t value);
    const std::string& Notes() const { return values_.Notes; }
    void SetNotes(std::string value);

    const formats::birthdays::EntryValues& Values() const { return values_; }
    void SetValues(const formats::birthdays::EntryValues& values);

    // Day of the month (1 to 31) and month (1 to 12) of BirthDate; 0 without a date.
    int Day() const { return day_; }
    int Month() const { return month_; }

    bool Modified() const { return modified_; }
    void MarkModified();

private:
    friend class BirthdayBook;

    BirthdayBook* owner_ = nullptr;
    formats::birthdays::EntryValues values_;
    int day_ = 0;
    int month_ = 0;
    bool modified_ = true;
};

// The list of people. Queries return a result list that the next query reuses.
class BirthdayBook {
public:
    using ChangeEvent = std::function<void(BirthdayBook& sender)>;

    BirthdayBook() = default;
    BirthdayBook(const BirthdayBook&) = delete;
    BirthdayBook& operator=(const BirthdayBook&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    BirthdayEntry& operator[](int index) { return *items_.at(static_cast<size_t>(index)); }
    const BirthdayEntry& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
    // A new entry at the end, with default values.
    BirthdayEntry& Add();
    void Delete(int index);
    // Does not set Modified.
    void Clear();
    // -1 when the entry is not in the list.
    int IndexOf(const BirthdayEntry* entry) const;

    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    // Between these, changes of membership raise OnChange once, at EndUpdate.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    // After an entry was added or deleted, the list cleared, or read from a store.
    ChangeEvent OnChange;

    // The entries on the month and day of date (the year aside), in list order.
    const std::vector<BirthdayEntry*>& EntriesOfDay(double date);
    // The index-th of EntriesOfDay(date), from 0; nullptr when there are fewer.
    BirthdayEntry* EntryOfDay(int index, double date);
    // The entries of a month (1 to 12), ordered by day.
    const std::vector<BirthdayEntry*>& EntriesOfMonth(int month);

private:
    void Changed();

    std::vector<std::unique_ptr<BirthdayEntry>> items_;
    std::vector<BirthdayEntry*> result_;
    bool modified_ = false;
    int updateCount_ = 0;
};

// The key of the working store below HKEY_CURRENT_USER, and the largest value it takes.
inline constexpr std::string_view BirthdayKey = "Software\\Kestrine\\BirthDay\\";
inline constexpr size_t MaxStoredBytes = 65534;

// The bytes of the working store's value valueName ("Data" when empty): none when the value is
// missing. A value of another type or over MaxStoredBytes fails (Damaged) with "Invalid data
// type for '%s'".
base::result::Result<std::string> ReadWorkingStore(const platform::registry::RegistryFile& store,
                                                   std::string_view valueName = {});

// Owns the list and moves it, always whole, to and from backup files and the working store.
class BirthdayEntryComponent {
public:
    // codePage: the code page of the entries' text.
    BirthdayEntryComponent(platform::registry::RegistryFile store, int codePage);

    BirthdayBook& Entries() { return entries_; }
    const BirthdayBook& Entries() const { return entries_; }

    // The list in the stored format.
    std::string Stream() const;

    // Writes the list to the file, replacing it safely; then clears Modified. Fails
    // (WriteFailed) when the file cannot be written.
    base::result::Status SaveToFile(const std::filesystem::path& fileName);
    // Reads the file into the list and clears Modified. Fails when the file cannot be read
    // (Missing), is far too large for a backup (Refused) or is not one read whole (Damaged),
    // leaving the list as it was.
    base::result::Status LoadFromFile(const std::filesystem::path& fileName);
    // How many entries the last file read whole held (none leaves the list as it was).
    int LoadedCount() const { return loadedCount_; }

    // The working store: the binary value valueName ("Data" when empty) of BirthdayKey.
    // Saving fails when the list is too large for the value (Refused) or the settings cannot
    // be written (WriteFailed); the list then stays modified. Loading fails for a value of
    // another type; a value that cannot be read whole keeps the entries read before the
    // fault, leaves the list unmodified (so nothing overwrites the stored value unless the
    // user changes the entries) and fails (Damaged) with a message that says so.
    base::result::Status SaveToRegistry(std::string_view valueName = {});
    base::result::Status LoadFromRegistry(std::string_view valueName = {});

private:
    void Apply(const formats::birthdays::StreamContent& content);

    platform::registry::RegistryFile store_;
    int codePage_;
    BirthdayBook entries_;
    int loadedCount_ = 0;
};

} // namespace model::birthdays
