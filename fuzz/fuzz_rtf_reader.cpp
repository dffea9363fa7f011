// links: daybrook_formats_rtf
// Feeds arbitrary bytes to the RTF reader. Besides surviving, the reader must agree with
// itself: the plain-text extractor gives the text of the document the reader builds, and
// writing that document and reading it back keeps the text.
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/Utf.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf16;
using formats::rtf::PlainText;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::WriteRtf;

namespace {

std::string TextOf(const RichText& text)
{
    std::string out;
    for (size_t p = 0; p < text.Paragraphs.size(); ++p) {
        if (p > 0)
            out += '\n';
        for (const TextRun& run : text.Paragraphs[p].Runs)
            ForEachUtf16(run.Text, [&](char32_t c) {
                base::text::AppendUtf8(out, c == 0x2028 ? U'\n' : c == 0xA0 ? U' ' : c);
            });
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const RichText text = ReadRtf(input, 1253);
    const std::string plain = PlainText(input, 1253);
    if (plain != TextOf(text))
        std::abort();
    const std::string written = WriteRtf(text, 1252, CharFormat{"Arial", 20});
    if (PlainText(written, 1251) != plain)
        std::abort();
    return 0;
}
