#include "model/birthdays/BirthdayBook.h"

#include "base/dates/CalendarDate.h"
#include "base/io/SafeFile.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

using base::dates::Date;
using base::dates::DecodeDate;
using base::dates::EncodeDate;
using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::result::Status;
using formats::birthdays::EntryStreamWriter;
using formats::birthdays::EntryValues;
using formats::birthdays::ReadEntryStream;
using formats::birthdays::StreamContent;
using platform::registry::RegData;
using platform::registry::Registry;
using platform::registry::RegistryFile;
using platform::registry::RegType;

namespace model::birthdays {

namespace {

const std::string DefaultValueName = "Data";
const std::string TooManyEntries =
    "You have to many entries in your database so they cannot\r\n be saved. Please "
    "delete some entries and try to exit again!";
// Backup files are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t MaxBackupBytes = 64u << 20;

// The calendar date of a stored date; nothing for a number outside the years 1 to 9999 (a
// damaged or hand-made entry), which no day of the calendar shows.
std::optional<Date> MonthAndDay(double date)
{
    static const double first = EncodeDate(1, 1, 1);
    static const double last = EncodeDate(9999, 12, 31);
    const double day = std::trunc(date);
    if (!(day >= first && day <= last))
        return std::nullopt;
    return DecodeDate(date);
}

std::string ValueNameOr(std::string_view name)
{
    return name.empty() ? DefaultValueName : std::string(name);
}

} // namespace

Result<std::string> ReadWorkingStore(const RegistryFile& store, std::string_view valueName)
{
    const std::string name = ValueNameOr(valueName);
    Registry registry(store);
    std::optional<RegData> data;
    if (registry.OpenKey(BirthdayKey, true))
        data = registry.ReadValue(name);
    if (!data)
        return std::string();
    if (data->Type != RegType::Binary || data->Bytes.size() > MaxStoredBytes)
        return Fail(Reason::Damaged, "Invalid data type for '" + name + "'");
    return std::move(data->Bytes);
}

void BirthdayEntry::SetFullName(std::string value)
{
    values_.FullName = std::move(value);
    MarkModified();
}

void BirthdayEntry::SetBirthDate(double value)
{
    values_.BirthDate = value;
    const auto date = value == 0 ? std::nullopt : MonthAndDay(value);
    month_ = date ? date->Month : 0;
    day_ = date ? date->Day : 0;
    MarkModified();
}

void BirthdayEntry::SetIcon(int32_t value)
{
    values_.Icon = value;
    MarkModified();
}

void BirthdayEntry::SetNotes(std::string value)
{
    values_.Notes = std::move(value);
    MarkModified();
}

void BirthdayEntry::SetValues(const EntryValues& values)
{
    SetFullName(values.FullName);
    SetBirthDate(values.BirthDate);
    SetIcon(values.Icon);
    SetNotes(values.Notes);
}

void BirthdayEntry::MarkModified()
{
    modified_ = true;
    if (owner_ != nullptr)
        owner_->SetModified(true);
}

BirthdayEntry& BirthdayBook::Add()
{
    items_.push_back(std::make_unique<BirthdayEntry>());
    items_.back()->owner_ = this;
    modified_ = true;
    Changed();
    return *items_.back();
}

void BirthdayBook::Delete(int index)
{
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    modified_ = true;
    Changed();
}

void BirthdayBook::Clear()
{
    items_.clear();
    Changed();
}

int BirthdayBook::IndexOf(const BirthdayEntry* entry) const
{
    const auto found =
        std::find_if(items_.begin(), items_.end(), [&](const auto& item) { return item.get() == entry; });
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void BirthdayBook::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void BirthdayBook::Changed()
{
    if (updateCount_ == 0 && OnChange)
        OnChange(*this);
}

const std::vector<BirthdayEntry*>& BirthdayBook::EntriesOfDay(double date)
{
    result_.clear();
    const auto day = MonthAndDay(date);
    if (!day)
        return result_;
    for (const auto& item : items_)
        if (item->Month() == day->Month && item->Day() == day->Day)
            result_.push_back(item.get());
    return result_;
}

BirthdayEntry* BirthdayBook::EntryOfDay(int index, double date)
{
    const auto& found = EntriesOfDay(date);
    return index >= 0 && static_cast<size_t>(index) < found.size() ? found[static_cast<size_t>(index)]
                                                                   : nullptr;
}

const std::vector<BirthdayEntry*>& BirthdayBook::EntriesOfMonth(int month)
{
    result_.clear();
    for (const auto& item : items_)
        if (item->Month() == month)
            result_.push_back(item.get());
    // Exchange sort: whatever now stands at i is swapped with every later, earlier day.
    for (size_t i = 0; i < result_.size(); ++i)
        for (size_t j = i + 1; j < result_.size(); ++j)
            if (result_[j]->Day() < result_[i]->Day())
                std::swap(result_[i], result_[j]);
    return result_;
}

BirthdayEntryComponent::BirthdayEntryComponent(RegistryFile store, int codePage)
    : store_(std::move(store)), codePage_(codePage)
{
}

std::string BirthdayEntryComponent::Stream() const
{
    EntryStreamWriter writer(codePage_);
    for (int i = 0; i < entries_.Count(); ++i)
        writer.Add(entries_[i].Values());
    return writer.Finish();
}

void BirthdayEntryComponent::Apply(const StreamContent& content)
{
    entries_.BeginUpdate();
    if (content.ReplacesList) {
        entries_.Clear();
        for (const EntryValues& values : content.Entries)
            entries_.Add().SetValues(values);
    }
    entries_.EndUpdate();
}

Status BirthdayEntryComponent::SaveToFile(const std::filesystem::path& fileName)
{
    if (const Status written = WriteWhole(fileName, Stream()); !written)
        return Fail(Reason::WriteFailed,
                    "Cannot create file \"" + fileName.string() + "\". " + written.Message());
    entries_.SetModified(false);
    return {};
}

Status BirthdayEntryComponent::LoadFromFile(const std::filesystem::path& fileName)
{
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(fileName, sizeError);
    if (!sizeError && size > MaxBackupBytes)
        return Fail(Reason::Refused,
                    "The file \"" + fileName.string() + "\" is far too large for a birthday backup");
    const auto bytes = sizeError ? Result<std::string>(Fail(Reason::Missing, "")) : ReadWhole(fileName);
    if (!bytes)
        return Fail(Reason::Missing, "Cannot open file \"" + fileName.string() + "\"");
    const StreamContent content = ReadEntryStream(*bytes, codePage_);
    if (!content.Status)
        return Fail(Reason::Damaged, content.Status.Message());
    Apply(content);
    entries_.SetModified(false);
    loadedCount_ = static_cast<int>(content.Entries.size());
    return {};
}

Status BirthdayEntryComponent::SaveToRegistry(std::string_view valueName)
{
    const std::string name = ValueNameOr(valueName);
    std::string bytes = Stream();
    if (bytes.size() > MaxStoredBytes) {
        entries_.SetModified(true);
        return Fail(Reason::Refused, TooManyEntries);
    }
    Registry registry(store_);
    auto written = registry.OpenKey(BirthdayKey, true);
    if (written)
        written = registry.WriteValue(name, RegData{RegType::Binary, std::move(bytes)});
    if (!written) {
        entries_.SetModified(true);
        return Fail(Reason::WriteFailed, "Failed to set data for '" + name + "'\r\n" + written.Message());
    }
    entries_.SetModified(false);
    return {};
}

Status BirthdayEntryComponent::LoadFromRegistry(std::string_view valueName)
{
    const auto bytes = ReadWorkingStore(store_, valueName);
    if (!bytes)
        return bytes.Error();
    if (bytes->empty()) {
        entries_.Clear();
        return {};
    }
    const StreamContent content = ReadEntryStream(*bytes, codePage_);
    Apply(content);
    entries_.SetModified(false);
    if (!content.Status)
        return Fail(
            Reason::Damaged,
            "Your stored birthday entries could not be read completely (" + content.Status.Message() +
                ").\r\nThe " + std::to_string(content.Entries.size()) +
                " entries read before the fault are shown; the stored data is left as it is\r\nunless you "
                "change the entries. Restore a recent backup to get the others back.");
    return {};
}

} // namespace model::birthdays
