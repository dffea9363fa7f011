#include "base/io/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace safefile {

namespace {

std::string Reason(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool IsWritable(const struct stat& info, const fs::path& path)
{
    // access() says yes to root for any file, so the permission bits are looked at as well:
    // a file nobody may write is read-only for us too.
    constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    return (info.st_mode & AnyWrite) != 0 && ::access(path.c_str(), W_OK) == 0;
}

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReadResult ReadWhole(const fs::path& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadResult::Failed;
    }
    std::string content;
    content.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return ReadResult::Failed;
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes = std::move(content);
    return ReadResult::Done;
}

std::optional<std::string> WriteWhole(const fs::path& path, const std::string& bytes)
{
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return "not a file: " + path.string();
        if (!IsWritable(existing, path))
            return "read-only: " + path.string();
        mode = existing.st_mode & 07777;
    }

    const fs::path folder = path.parent_path();
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return Reason("cannot create a file in " + (folder.empty() ? std::string(".") : folder.string()));
    const fs::path temporary = pattern;

    std::optional<std::string> failure;
    if (!WriteAll(fd, bytes))
        failure = Reason("cannot write " + temporary.string());
    else if (::fchmod(fd, mode) != 0)
        failure = Reason("cannot set the permissions of " + temporary.string());
    else if (::fsync(fd) != 0)
        failure = Reason("cannot flush " + temporary.string());
    if (::close(fd) != 0 && !failure)
        failure = Reason("cannot close " + temporary.string());
    if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = Reason("cannot replace " + path.string());
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace safefile
