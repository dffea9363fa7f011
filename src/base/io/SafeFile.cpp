#include "base/io/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::result::Result;
using base::result::Status;

namespace base::io {

namespace fs = std::filesystem;

namespace {

Failure WriteFailure(const std::string& what)
{
    return Fail(Reason::WriteFailed, what);
}

Failure WriteFailure(const std::string& what, int error)
{
    return WriteFailure(what + ": " + std::strerror(error));
}

// A failed read; errno stays as the failed call left it.
Failure ReadFailure(bool absent)
{
    const int error = errno;
    Failure failure = Fail(Reason::Missing, std::string(absent ? NoSuchFile : CannotBeRead));
    errno = error;
    return failure;
}

// Closes a file after a failed read, keeping errno.
void CloseKeepingErrno(int fd)
{
    const int error = errno;
    ::close(fd);
    errno = error;
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

bool IsNoSuchFile(const Failure& failure)
{
    return failure.Code == Reason::Missing && failure.Message == NoSuchFile;
}

Result<std::string> ReadWhole(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ReadFailure(errno == ENOENT || errno == ENOTDIR);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        CloseKeepingErrno(fd);
        return ReadFailure(false);
    }
    std::string content;
    content.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            CloseKeepingErrno(fd);
            return ReadFailure(false);
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return content;
}

Status WriteWhole(const fs::path& path, const std::string& bytes)
{
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return WriteFailure("not a file: " + path.string());
        if (!IsWritable(existing, path))
            return WriteFailure("read-only: " + path.string());
        mode = existing.st_mode & 07777;
    }

    const fs::path folder = path.parent_path();
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return WriteFailure("cannot create a file in " + (folder.empty() ? std::string(".") : folder.string()),
                            errno);
    const fs::path temporary = pattern;

    Status written;
    if (!WriteAll(fd, bytes))
        written = WriteFailure("cannot write " + temporary.string(), errno);
    else if (::fchmod(fd, mode) != 0)
        written = WriteFailure("cannot set the permissions of " + temporary.string(), errno);
    else if (::fsync(fd) != 0)
        written = WriteFailure("cannot flush " + temporary.string(), errno);
    if (::close(fd) != 0 && written)
        written = WriteFailure("cannot close " + temporary.string(), errno);
    if (written && ::rename(temporary.c_str(), path.c_str()) != 0)
        written = WriteFailure("cannot replace " + path.string(), errno);
    if (!written) {
        ::unlink(temporary.c_str());
        return written;
    }
    SyncFolder(folder);
    return {};
}

} // namespace base::io
