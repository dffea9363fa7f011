// CRC-32 of zip and PNG (reflected polynomial 0xEDB88320, initial value and final complement
// all ones), table-driven.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace base::io {

class Crc32 {
public:
    Crc32();

    static constexpr uint32_t Initial = 0xFFFFFFFFu;
    // Feeds bytes into a running value that starts at Initial; the CRC is the final value
    // complemented (see Finish).
    uint32_t Update(uint32_t crc, const uint8_t* bytes, size_t count) const;
    static uint32_t Finish(uint32_t crc) { return crc ^ 0xFFFFFFFFu; }

    // CRC-32 of a whole buffer.
    uint32_t Of(const uint8_t* bytes, size_t count) const { return Finish(Update(Initial, bytes, count)); }

private:
    std::array<uint32_t, 256> table_{};
};

} // namespace base::io
