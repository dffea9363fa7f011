// The codec's front: compress and decompress whole in-memory streams, and their CRC-32.
#pragma once

#include "base/io/MemoryStream.h"
#include "base/result/Result.h"
#include "formats/codec/LzhCodec.h"

#include <cstdint>

namespace formats::codec {

class LzhCompressor {
public:
    // Writes the 4-byte little-endian length of source and the coded bits of all of source
    // at the start of dest (both streams are rewound first; dest is not truncated).
    static void Compress(base::io::MemoryStream& source, base::io::MemoryStream& dest);

    // Reads the length header of source and writes that many decoded bytes to dest from its
    // start. Fails as Damaged, writing nothing, when source is shorter than the header or the
    // header claims more bytes than source could possibly code.
    static base::result::Status Decompress(base::io::MemoryStream& source, base::io::MemoryStream& dest);

    // CRC-32 of all bytes of the stream; its position is left as it was.
    static uint32_t StreamCRC(base::io::MemoryStream& stream);

    // The most bytes a compressed stream of the given size can decode to: every coded symbol
    // takes at least one bit and yields at most 60 bytes.
    static uint64_t MaxDecodedSize(uint64_t compressedSize);
};

} // namespace formats::codec
