#include "platform/registry/Registry.h"

#include "base/io/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

using base::io::IsNoSuchFile;
using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::result::Status;

namespace platform::registry {

namespace fs = std::filesystem;

namespace {

std::mutex problemMutex;
// Damaged contents already told of, by (file, content): whether a copy was set aside.
std::map<std::pair<std::string, std::string>, bool> damageSeen;

void Report(const RegistryFile& store, const std::string& message)
{
    if (store.OnProblem)
        store.OnProblem(message);
    else
        std::fprintf(stderr, "daybrook: %s\n", message.c_str());
}

// Whether the damaged content was set aside, if it was seen before.
std::optional<bool> DamageSeen(const fs::path& file, const std::string& content)
{
    const std::lock_guard lock(problemMutex);
    const auto found = damageSeen.find({file.string(), content});
    return found == damageSeen.end() ? std::nullopt : std::optional(found->second);
}

void RememberDamage(const fs::path& file, const std::string& content, bool setAside)
{
    const std::lock_guard lock(problemMutex);
    damageSeen[{file.string(), content}] = setAside;
}

// A name beside the file that no file has yet: registry.reg.damaged, .damaged-2, ...
fs::path AsideName(const fs::path& file)
{
    fs::path aside = file.string() + ".damaged";
    for (int n = 2; fs::exists(aside); ++n)
        aside = file.string() + ".damaged-" + std::to_string(n);
    return aside;
}

// The document in the file: empty when there is none; when the file is damaged, a copy is set
// aside and told of once, and the document starts empty. Fails when the file cannot be read
// (Missing), or is damaged and no copy could be kept (Damaged), so that nothing overwrites it.
Result<RegDocument> ReadDocument(const RegistryFile& store)
{
    const fs::path& file = store.File;
    const auto read = ReadWhole(file);
    if (!read && IsNoSuchFile(read.Error()))
        return RegDocument{};
    if (!read) {
        const std::string message =
            "cannot read the settings file " + file.string() + ": " + std::strerror(errno);
        if (!DamageSeen(file, {})) {
            RememberDamage(file, {}, false);
            Report(store, message);
        }
        return Fail(Reason::Missing, message);
    }
    const std::string& content = *read;
    auto document = ParseRegText(content);
    if (document)
        return document;
    std::optional<bool> setAside = DamageSeen(file, content);
    if (!setAside) {
        const fs::path aside = AsideName(file);
        const Status copied = WriteWhole(aside, content);
        setAside = copied.Ok();
        RememberDamage(file, content, *setAside);
        Report(store, "The settings file " + file.string() + " is damaged (" + document.Message() + "). " +
                          (!copied ? "It could not be copied aside (" + copied.Message() + ") and is left as it is"
                                   : "A copy was kept as " + aside.string()) +
                          "; the settings start from their defaults.");
    }
    if (!*setAside)
        return Fail(Reason::Damaged, "the settings file " + file.string() + " is damaged");
    return RegDocument{};
}

// An exclusive lock on "<file>.lock" for the read-change-write cycle, released with the object.
class FileLock {
public:
    explicit FileLock(const fs::path& file)
        : fd_(::open((file.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace

Registry::Registry(RegistryFile store) : store_(std::move(store))
{
    Reload();
}

// A file that cannot be read keeps the document read before; its problem is reported by
// ReadDocument, and a write fails on it.
void Registry::Reload()
{
    if (auto document = ReadDocument(store_))
        document_ = std::move(*document);
}

void Registry::SetRootKey(RegHive hive)
{
    if (hive != hive_)
        CloseKey();
    hive_ = hive;
}

Status Registry::OpenKey(std::string_view path, bool canCreate)
{
    CloseKey();
    auto full = KeyPath(hive_, path);
    if (!full)
        return Fail(Reason::Refused, "not a valid key: " + std::string(path));
    Reload();
    if (!canCreate && !document_.KeyExists(*full))
        return Fail(Reason::Missing, "no such key: " + *full);
    key_ = std::move(*full);
    return {};
}

void Registry::CloseKey()
{
    key_.reset();
}

bool Registry::ValueExists(std::string_view name) const
{
    return ReadValue(name).has_value();
}

std::optional<RegData> Registry::ReadValue(std::string_view name) const
{
    if (!key_)
        return std::nullopt;
    const RegData* data = document_.FindValue(*key_, name);
    return data == nullptr ? std::nullopt : std::optional(*data);
}

Status Registry::WriteValue(std::string_view name, const RegData& data)
{
    if (!key_)
        return Fail(Reason::Refused, "no key is open");
    if (name.find_first_of("\r\n") != std::string_view::npos)
        return Fail(Reason::Refused, "a value name cannot hold a line break");
    PendingValue value{*key_, std::string(name), data};
    if (pending_) {
        document_.SetValue(value.Key, value.Name, value.Data);
        pending_->push_back(std::move(value));
        return {};
    }
    return Store({value});
}

void Registry::BeginUpdate()
{
    pending_.emplace();
}

Status Registry::EndUpdate()
{
    if (!pending_)
        return {};
    const std::vector<PendingValue> values = std::move(*pending_);
    pending_.reset();
    if (values.empty())
        return {};
    return Store(values);
}

std::vector<std::pair<std::string, std::string>> Registry::PendingValues() const
{
    std::vector<std::pair<std::string, std::string>> names;
    if (pending_)
        for (const PendingValue& value : *pending_)
            names.emplace_back(value.Key, value.Name);
    return names;
}

Status Registry::Store(const std::vector<PendingValue>& values)
{
    const fs::path& file = store_.File;
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    const FileLock lock(file);
    if (!lock.Held())
        return Fail(Reason::WriteFailed,
                    "cannot lock the settings file " + file.string() + ": " + std::strerror(errno));
    auto current = ReadDocument(store_);
    if (!current)
        return current.Error();
    bool changed = false;
    for (const PendingValue& value : values) {
        if (const RegData* stored = current->FindValue(value.Key, value.Name); stored != nullptr && *stored == value.Data)
            continue; // already so
        current->SetValue(value.Key, value.Name, value.Data);
        changed = true;
    }
    if (changed) {
        if (Status written = WriteWhole(file, FormatRegText(*current)); !written)
            return written;
    }
    document_ = std::move(*current);
    return {};
}

} // namespace platform::registry
