#include "base/io/Crc32.h"

namespace base::io {

Crc32::Crc32()
{
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) != 0 ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table_[n] = c;
    }
}

uint32_t Crc32::Update(uint32_t crc, const uint8_t* bytes, size_t count) const
{
    for (size_t i = 0; i < count; ++i)
        crc = table_[(crc ^ bytes[i]) & 0xFFu] ^ (crc >> 8);
    return crc;
}

} // namespace base::io
