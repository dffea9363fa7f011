// The codec's front: compress and decompress whole in-memory streams, and their CRC-32.
#pragma once

#include "base/io/MemoryStream.h"
#include "formats/codec/LzhCodec.h"

#include <cstdint>

class LzhCompressor {
public:
    // Writes the 4-byte little-endian length of Source and the coded bits of all of Source
    // at the start of Dest (both streams are rewound first; Dest is not truncated).
    static void Compress(MemoryStream& Source, MemoryStream& Dest);

    // Reads the length header of Source and writes that many decoded bytes to Dest from its
    // start. Throws LzhError when Source is shorter than the header or the header claims
    // more bytes than Source could possibly code.
    static void Decompress(MemoryStream& Source, MemoryStream& Dest);

    // CRC-32 of all bytes of the stream; its position is left as it was.
    static uint32_t StreamCRC(MemoryStream& Stream);

    // The most bytes a compressed stream of the given size can decode to: every coded symbol
    // takes at least one bit and yields at most 60 bytes.
    static uint64_t MaxDecodedSize(uint64_t compressedSize);
};
