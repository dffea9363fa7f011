#include "platform/files/WriterLock.h"

#include "base/io/SafeFile.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

using base::io::ReadWhole;

namespace platform::files {

namespace {

std::string FirstLineOf(const std::string& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string ThisUser()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name != nullptr)
        return entry->pw_name;
    if (const char* name = std::getenv("USER"))
        return name;
    return "?";
}

std::string ThisBoot()
{
    return FirstLineOf("/proc/sys/kernel/random/boot_id");
}

std::string LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

bool ProcessRuns(long long pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

std::string ThisHost()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}

LockHolder ThisProcess()
{
    return LockHolder{ThisUser(), ThisHost(), static_cast<long long>(::getpid()), ThisBoot(), LocalTimeNow()};
}

std::string LockFileOf(const std::string& diaryFile)
{
    const std::filesystem::path path(diaryFile);
    return (path.parent_path() / (".~lock." + path.filename().string() + "#")).string();
}

std::string LockText(const LockHolder& holder)
{
    std::ostringstream text;
    text << "user=" << holder.User << "\nhost=" << holder.Host << "\npid=" << holder.Pid << "\nboot=" << holder.Boot
         << "\nsince=" << holder.Since << '\n';
    return text.str();
}

std::optional<LockHolder> ParseLockText(const std::string& text)
{
    LockHolder holder;
    std::istringstream lines(text);
    bool hasHost = false;
    bool hasPid = false;
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "user") {
            holder.User = value;
        } else if (key == "host") {
            holder.Host = value;
            hasHost = !value.empty();
        } else if (key == "pid") {
            try {
                holder.Pid = std::stoll(value);
                hasPid = true;
            } catch (const std::exception&) {
                return std::nullopt;
            }
        } else if (key == "boot") {
            holder.Boot = value;
        } else if (key == "since") {
            holder.Since = value;
        }
    }
    if (!hasHost || !hasPid)
        return std::nullopt;
    return holder;
}

bool IsStale(const LockHolder& holder)
{
    if (holder.Host != ThisHost())
        return false;
    if (!holder.Boot.empty() && holder.Boot != ThisBoot())
        return true;
    return !ProcessRuns(holder.Pid);
}

WriterLock::WriterLock(std::string diaryFile) : file_(LockFileOf(diaryFile)) {}

WriterLock::~WriterLock()
{
    Release();
}

LockState WriterLock::Create()
{
    mine_ = ThisProcess();
    const int descriptor = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return errno == EEXIST ? LockState::HeldHere : LockState::Unavailable;
    const std::string text = LockText(mine_);
    const bool written = ::write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(descriptor);
    if (!written) {
        ::unlink(file_.c_str());
        return LockState::Unavailable;
    }
    held_ = true;
    holder_ = mine_;
    return LockState::Taken;
}

LockState WriterLock::Take()
{
    if (held_)
        return LockState::Taken;
    const LockState created = Create();
    if (created != LockState::HeldHere)
        return created;
    const auto text = ReadWhole(file_);
    const auto holder = text ? ParseLockText(*text) : std::nullopt;
    if (!holder || IsStale(*holder)) // a lock no process of ours wrote, or one whose process is gone
        return TakeOver();
    holder_ = *holder;
    return holder_.Host == ThisHost() ? LockState::HeldHere : LockState::HeldElsewhere;
}

LockState WriterLock::TakeOver()
{
    ::unlink(file_.c_str());
    return Create();
}

void WriterLock::Release()
{
    if (!held_)
        return;
    held_ = false;
    const auto text = ReadWhole(file_);
    if (text && ParseLockText(*text) == mine_) // taken over by another opening meanwhile: theirs now
        ::unlink(file_.c_str());
}

} // namespace platform::files
