// What tells whether a file changed since it was read or written: its size, modification time
// and inode, looked at cheaply first, and a hash of its bytes for when those moved but the
// content may not have.
#pragma once

#include "base/result/Result.h"

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace base::io {

// What the file system says of a file without reading it.
struct FileStamp {
    uintmax_t Size = 0;
    int64_t ModifiedNs = 0; // since the epoch
    uint64_t Inode = 0;

    bool operator==(const FileStamp&) const = default;
};

struct FileIdentity {
    std::optional<FileStamp> Stamp; // nothing: there was no file
    uint64_t Hash = 0;              // of the bytes, for this run only

    bool operator==(const FileIdentity&) const = default;
};

// The stamp of the file; nothing when there is none (or it cannot be looked at).
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

uint64_t HashOf(std::string_view bytes);

// The identity of bytes just read from (or written to) a file with that stamp.
FileIdentity IdentityOf(std::optional<FileStamp> stamp, std::string_view bytes);

// A file read whole with its identity (the stamp taken before the bytes were read).
struct IdentifiedFile {
    std::string Bytes;
    FileIdentity Identity;
};
base::result::Result<IdentifiedFile> ReadIdentified(const std::filesystem::path& path);

} // namespace base::io
