// links: daybrook_formats_diary daybrook_formats_codec daybrook_formats_resources
// The decoder on arbitrary compressed streams: it refuses impossible length headers and
// otherwise produces exactly the length asked for, plus at most the rest of a final match.
#include "formats/codec/LzhCompressor.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using base::io::MemoryStream;
using formats::codec::LzhCompressor;

// Lengths the decoder accepts but that would only make each run slow, not reach new code.
constexpr int32_t LongestDecoded = 1 << 14;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto length = size < 4 ? 0
                                 : static_cast<int32_t>(uint32_t{data[0]} | uint32_t{data[1]} << 8 |
                                                        uint32_t{data[2]} << 16 | uint32_t{data[3]} << 24);
    if (length > LongestDecoded && static_cast<uint64_t>(length) <= LzhCompressor::MaxDecodedSize(size))
        return 0;
    MemoryStream source(std::string(reinterpret_cast<const char*>(data), size));
    MemoryStream dest;
    if (!LzhCompressor::Decompress(source, dest))
        return 0;
    const size_t expected = length > 0 ? static_cast<size_t>(length) : 0;
    if (dest.Size() < expected || dest.Size() > expected + 59)
        std::abort();
    return 0;
}
