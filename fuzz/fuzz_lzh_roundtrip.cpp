// links: daybrook_formats_diary daybrook_formats_codec daybrook_formats_resources
// Whatever the encoder codes, the decoder gives back byte for byte.
#include "formats/codec/LzhCompressor.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using base::io::MemoryStream;
using formats::codec::LzhCompressor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string plain(reinterpret_cast<const char*>(data), size);
    MemoryStream source(plain);
    MemoryStream packed;
    LzhCompressor::Compress(source, packed);
    MemoryStream unpacked;
    if (!LzhCompressor::Decompress(packed, unpacked) || unpacked.Bytes() != plain)
        std::abort();
    return 0;
}
