// links: daybrook_formats_diary daybrook_formats_codec daybrook_formats_resources
// Diary files of arbitrary bytes. Half of the inputs get a correct checksum written into
// their header first, so that the decoder behind the checksum is reached too.
#include "formats/diary/DiaryFile.h"
#include "formats/codec/LzhCompressor.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using base::io::MemoryStream;
using base::result::Reason;
using base::text::LineList;
using base::text::SplitLines;
using formats::codec::LzhCompressor;
using formats::diary::MakeDiaryImage;
using formats::diary::ParseDiaryImage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string image(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (image.size() >= 16) {
        // Lengths the decoder accepts but that would only make each run slow, not reach new code.
        const auto* header = reinterpret_cast<const uint8_t*>(image.data() + 12);
        const auto length = static_cast<int32_t>(uint32_t{header[0]} | uint32_t{header[1]} << 8 |
                                                 uint32_t{header[2]} << 16 | uint32_t{header[3]} << 24);
        if (length > (1 << 14) && static_cast<uint64_t>(length) <= LzhCompressor::MaxDecodedSize(image.size() - 12))
            return 0;
    }
    if ((data[0] & 1) != 0 && image.size() >= 12) {
        MemoryStream payload(image.substr(12));
        char digits[9];
        std::snprintf(digits, sizeof digits, "%.8X", LzhCompressor::StreamCRC(payload));
        image.replace(0, 12, std::string("DRY1") + digits);
    }
    const auto content = ParseDiaryImage(image);
    if (!content && content.Code() != Reason::Damaged)
        std::abort();
    if (content) {
        const LineList lines = SplitLines(content->Records);
        // What loads must save and load back to the same records.
        const auto again = ParseDiaryImage(MakeDiaryImage(lines, content->Password));
        if (!again || again->Password != content->Password || SplitLines(again->Records) != lines)
            std::abort();
    }
    return 0;
}
