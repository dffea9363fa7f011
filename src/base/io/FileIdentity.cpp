#include "base/io/FileIdentity.h"

#include "base/io/SafeFile.h"

#include <functional>
#include <sys/stat.h>

namespace base::io {

std::optional<FileStamp> StampOf(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    constexpr int64_t NsPerSecond = 1'000'000'000;
    return FileStamp{static_cast<uintmax_t>(status.st_size),
                     static_cast<int64_t>(status.st_mtim.tv_sec) * NsPerSecond + status.st_mtim.tv_nsec,
                     static_cast<uint64_t>(status.st_ino)};
}

uint64_t HashOf(std::string_view bytes)
{
    return std::hash<std::string_view>{}(bytes);
}

FileIdentity IdentityOf(std::optional<FileStamp> stamp, std::string_view bytes)
{
    return FileIdentity{stamp, HashOf(bytes)};
}

base::result::Result<IdentifiedFile> ReadIdentified(const std::filesystem::path& path)
{
    const auto stamp = StampOf(path);
    auto bytes = ReadWhole(path);
    if (!bytes)
        return bytes.Error();
    IdentifiedFile file{std::move(*bytes), {}};
    file.Identity = IdentityOf(stamp, file.Bytes);
    return file;
}

} // namespace base::io
