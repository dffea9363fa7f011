#include "formats/codec/LzhCompressor.h"

#include "base/io/Crc32.h"

#include <algorithm>
#include <array>

using base::io::Crc32;
using base::io::MemoryStream;
using base::result::Fail;
using base::result::Reason;
using base::result::Status;

namespace formats::codec {

namespace {

LzhCodec::ReadCallback Reader(MemoryStream& stream)
{
    return [&stream](uint8_t* buffer, size_t count) { return stream.Read(buffer, count); };
}

LzhCodec::WriteCallback Writer(MemoryStream& stream)
{
    return [&stream](const uint8_t* buffer, size_t count) { stream.Write(buffer, count); };
}

constexpr uint64_t LongestMatch = 60;
// Decoded output is reserved up front only up to this much; a larger claim grows as it is met.
constexpr uint64_t ReserveLimit = uint64_t{64} << 20;

} // namespace

void LzhCompressor::Compress(MemoryStream& source, MemoryStream& dest)
{
    source.Seek(0);
    dest.Seek(0);
    const auto size = static_cast<uint32_t>(source.Size());
    const std::array<uint8_t, 4> header{static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                                        static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
    dest.Write(header.data(), header.size());
    LzhCodec codec(Reader(source), Writer(dest));
    codec.Encode();
}

uint64_t LzhCompressor::MaxDecodedSize(uint64_t compressedSize)
{
    return compressedSize <= 4 ? 0 : (compressedSize - 4) * 8 * LongestMatch;
}

Status LzhCompressor::Decompress(MemoryStream& source, MemoryStream& dest)
{
    source.Seek(0);
    dest.Seek(0);
    std::array<uint8_t, 4> header{};
    if (source.Read(header.data(), header.size()) != header.size())
        return Fail(Reason::Damaged, "LZH : Compressed data is shorter than its length header");
    const auto length = static_cast<int32_t>(uint32_t{header[0]} | uint32_t{header[1]} << 8 |
                                             uint32_t{header[2]} << 16 | uint32_t{header[3]} << 24);
    if (length > 0 && static_cast<uint64_t>(length) > MaxDecodedSize(source.Size()))
        return Fail(Reason::Damaged, "LZH : Length header exceeds what the compressed data can hold");
    if (length > 0)
        dest.Reserve(dest.Position() + std::min<uint64_t>(static_cast<uint64_t>(length), ReserveLimit));
    LzhCodec codec(Reader(source), Writer(dest));
    codec.Decode(length);
    return {};
}

uint32_t LzhCompressor::StreamCRC(MemoryStream& stream)
{
    const std::string& bytes = stream.Bytes();
    return Crc32().Of(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace formats::codec
