// links: daybrook_storage
// Whatever the encoder codes, the decoder gives back byte for byte.
#include "storage/LZHCompress.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string plain(reinterpret_cast<const char*>(data), size);
    TMemoryStream source(plain);
    TMemoryStream packed;
    TLZHCompress::Compress(source, packed);
    TMemoryStream unpacked;
    TLZHCompress::Decompress(packed, unpacked);
    if (unpacked.Bytes() != plain)
        std::abort();
    return 0;
}
