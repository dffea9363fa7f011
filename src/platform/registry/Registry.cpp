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

namespace fs = std::filesystem;

namespace platform {

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
// aside and told of once, and the document starts empty. Nothing when it cannot be read, or
// is damaged and no copy could be kept (so that nothing overwrites it).
std::optional<RegDocument> ReadDocument(const RegistryFile& store, std::string& error)
{
    const fs::path& file = store.File;
    const auto read = safefile::ReadWhole(file);
    if (!read && safefile::IsNoSuchFile(read.Error()))
        return RegDocument{};
    if (!read) {
        error = "cannot read the settings file " + file.string() + ": " + std::strerror(errno);
        if (!DamageSeen(file, {})) {
            RememberDamage(file, {}, false);
            Report(store, error);
        }
        return std::nullopt;
    }
    const std::string& content = *read;
    std::string why;
    if (auto document = ParseRegText(content, &why))
        return document;
    std::optional<bool> setAside = DamageSeen(file, content);
    if (!setAside) {
        const fs::path aside = AsideName(file);
        const result::Status copied = safefile::WriteWhole(aside, content);
        setAside = copied.Ok();
        RememberDamage(file, content, *setAside);
        Report(store, "The settings file " + file.string() + " is damaged (" + why + "). " +
               (!copied ? "It could not be copied aside (" + copied.Message() + ") and is left as it is"
                        : "A copy was kept as " + aside.string()) +
               "; the settings start from their defaults.");
    }
    if (!*setAside) {
        error = "the settings file " + file.string() + " is damaged";
        return std::nullopt;
    }
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

void Registry::Reload()
{
    if (auto document = ReadDocument(store_, error_))
        document_ = std::move(*document);
}

void Registry::SetRootKey(uint32_t hive)
{
    if (hive != hive_)
        CloseKey();
    hive_ = hive;
}

bool Registry::OpenKey(std::string_view path, bool canCreate)
{
    CloseKey();
    auto full = KeyPath(hive_, path);
    if (!full) {
        error_ = "not a valid key: " + std::string(path);
        return false;
    }
    Reload();
    if (!canCreate && !document_.KeyExists(*full)) {
        error_ = "no such key: " + *full;
        return false;
    }
    key_ = std::move(*full);
    return true;
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

bool Registry::WriteValue(std::string_view name, const RegData& data)
{
    if (!key_) {
        error_ = "no key is open";
        return false;
    }
    if (name.find_first_of("\r\n") != std::string_view::npos) {
        error_ = "a value name cannot hold a line break";
        return false;
    }
    PendingValue value{*key_, std::string(name), data};
    if (pending_) {
        document_.SetValue(value.Key, value.Name, value.Data);
        pending_->push_back(std::move(value));
        return true;
    }
    return Store({value});
}

void Registry::BeginUpdate()
{
    pending_.emplace();
}

bool Registry::EndUpdate()
{
    if (!pending_)
        return true;
    const std::vector<PendingValue> values = std::move(*pending_);
    pending_.reset();
    return values.empty() || Store(values);
}

std::vector<std::pair<std::string, std::string>> Registry::PendingValues() const
{
    std::vector<std::pair<std::string, std::string>> names;
    if (pending_)
        for (const PendingValue& value : *pending_)
            names.emplace_back(value.Key, value.Name);
    return names;
}

bool Registry::Store(const std::vector<PendingValue>& values)
{
    const fs::path& file = store_.File;
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    const FileLock lock(file);
    if (!lock.Held()) {
        error_ = "cannot lock the settings file " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    auto current = ReadDocument(store_, error_);
    if (!current)
        return false;
    bool changed = false;
    for (const PendingValue& value : values) {
        if (const RegData* stored = current->FindValue(value.Key, value.Name); stored != nullptr && *stored == value.Data)
            continue; // already so
        current->SetValue(value.Key, value.Name, value.Data);
        changed = true;
    }
    if (changed) {
        if (const result::Status written = safefile::WriteWhole(file, FormatRegText(*current)); !written) {
            error_ = written.Message();
            return false;
        }
    }
    document_ = std::move(*current);
    return true;
}

} // namespace platform
