// links: daybrook_formats_diary daybrook_formats_codec daybrook_formats_resources
// Sealed diary files of arbitrary bytes, opened with the sample password. The first byte
// chooses what is done with the rest: bit 0 writes the cheapest derivation and a correct
// checksum into the header, so that the key derivation and the authentication behind the
// checks are reached; bit 1 takes the rest as the records of a diary sealed with that password,
// which must open to the same records, refuse another password and not show them; bit 2 takes
// the rest as the deciphered payload of a version 2 file, which must decompress or be damaged.
#include "formats/diary/SealedFile.h"

#include "base/io/Crc32.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using base::io::Crc32;
using base::result::Reason;
using base::text::LineList;
using base::text::SplitLines;
using formats::diary::CheapestKdf;
using formats::diary::CompressPayload;
using formats::diary::DecompressPayload;
using formats::diary::MakeSealedImage;
using formats::diary::ParseSealedImage;
using formats::diary::SealedVersion;
using formats::diary::SealKey;

namespace {

const std::string Password = "Daybrook 2024!";

void PutLE32(std::string& image, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        image[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

uint32_t LE32(const std::string& image, size_t at)
{
    const auto* b = reinterpret_cast<const uint8_t*>(image.data()) + at;
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

// The cheapest derivation and a checksum that matches.
void MakeCheapAndSound(std::string& image)
{
    image.replace(0, 6, std::string("DRYS\x01\x02", 6));
    PutLE32(image, 6, CheapestKdf.Passes);
    PutLE32(image, 10, CheapestKdf.MemoryKiB);
    const size_t checked = image.size() - 4;
    PutLE32(image, checked, Crc32().Of(reinterpret_cast<const uint8_t*>(image.data()), checked));
}

void OpenHostile(std::string image)
{
    if (image.size() >= 14 && (LE32(image, 6) > 2 || LE32(image, 10) > 64))
        return; // derivations the reader accepts, but that would only make each run slow
    const auto opened = ParseSealedImage(image, Password);
    if (!opened && opened.Code() != Reason::Damaged && opened.Code() != Reason::WrongPassword)
        std::abort();
    if (opened) {
        // What opens must seal and open again to the same records.
        const auto again = ParseSealedImage(MakeSealedImage(SplitLines(opened->Records), *opened->Key), Password);
        if (!again || SplitLines(again->Records) != SplitLines(opened->Records))
            std::abort();
    }
}

void RoundTrip(const std::string& text)
{
    const LineList lines = SplitLines(text);
    const std::string image = MakeSealedImage(lines, *SealKey::Derive(Password, CheapestKdf));
    const auto opened = ParseSealedImage(image, Password);
    if (!opened || SplitLines(opened->Records) != lines)
        std::abort();
    const auto refused = ParseSealedImage(image, Password + "!");
    if (refused || refused.Code() != Reason::WrongPassword)
        std::abort();
    if (text.size() >= 16 && image.find(text.substr(0, 16)) != std::string::npos)
        std::abort();
}

void DecompressHostile(const std::string& payload)
{
    const auto plain = DecompressPayload(SealedVersion::Zstd, payload);
    if (!plain) {
        if (plain.Code() != Reason::Damaged)
            std::abort();
        return;
    }
    const auto again = DecompressPayload(SealedVersion::Zstd, CompressPayload(*plain));
    if (!again || *again != *plain)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 4) != 0) {
        DecompressHostile(rest);
        return 0;
    }
    if ((data[0] & 2) != 0) {
        RoundTrip(rest);
        return 0;
    }
    if ((data[0] & 1) != 0 && rest.size() >= 74)
        MakeCheapAndSound(rest);
    OpenHostile(rest);
    return 0;
}
