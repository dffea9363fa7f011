// The compressed payload a sealed file enciphers (one 0x00 byte, then the records): version 1
// files hold it as the plain format's LZH stream, version 2 files as one zstd frame.
#pragma once

#include "base/result/Result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace formats::diary {

enum class SealedVersion : uint8_t { Lzh = 1, Zstd = 2 };

// Every sealed file is written in this version; readers accept both.
inline constexpr SealedVersion WrittenSealedVersion = SealedVersion::Zstd;

// The most bytes a payload may decode to: what the plain format's length header can hold.
inline constexpr uint64_t MaxPayloadSize = 0x7FFFFFFF;

// The payload compressed for the version written today.
std::string CompressPayload(std::string_view plain);

// The payload of a file of the given version; fails as Damaged when the compressed bytes are not
// exactly one whole stream of that version within MaxPayloadSize. Nothing of a failed attempt
// stays in memory.
base::result::Result<std::string> DecompressPayload(SealedVersion version, std::string_view compressed);

} // namespace formats::diary
