// links: daybrook_formats_rtfexport daybrook_formats_rtf daybrook_formats_diary daybrook_formats_codec daybrook_formats_resources daybrook_base_io daybrook_base_text daybrook_base_dates
// Feeds arbitrary bytes to the export as the body of an entry between two others. Whatever the
// body holds, the headings around it stay paragraphs of their own, in their own format, and
// text the reader finds in the body alone is found in the export too (when it is plain ASCII,
// which no code page reads otherwise, and comes from no \upr group, whose Unicode half the
// reader shows wherever it stands, even inside a font table that the export leaves out).
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/Utf.h"
#include "formats/rtfexport/DiaryExport.h"
#include "formats/diary/DayRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using base::text::LineList;
using formats::diary::DayRecord;
using formats::diary::ParseDayRecord;
using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf16;
using formats::rtf::IsRtf;
using formats::rtf::Paragraph;
using formats::rtf::PlainText;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtfexport::ExportDiary;
using formats::rtfexport::ExportOptions;

namespace {

std::string TextOf(const Paragraph& paragraph)
{
    std::string out;
    for (const TextRun& run : paragraph.Runs)
        ForEachUtf16(run.Text, [&](char32_t c) { base::text::AppendUtf8(out, c); });
    return out;
}

bool IsHeading(const Paragraph& paragraph, const std::string& text)
{
    return TextOf(paragraph) == text && paragraph.Runs.size() == 1 && paragraph.Runs[0].Format.Bold &&
           paragraph.Runs[0].Format.Underline && paragraph.Runs[0].Format.HalfPoints == 28;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string body(reinterpret_cast<const char*>(data), size);
    const std::string plain = "{\\rtf1\\ansi plain\\par}";
    const LineList records{"202401010Before@@" + plain, DayRecord(2024, 1, 2, 0, "Fuzz", body),
                         "202401030After@@" + plain};
    ExportOptions options;
    options.BodyFont = CharFormat{"Arial", 20};
    options.ShortDate = [](int, int, int day) { return std::to_string(day); };
    const std::string document = ExportDiary(records, options);
    const RichText read = ReadRtf(document, 1252);
    const auto& paragraphs = read.Paragraphs;
    if (paragraphs.size() < 8 || !IsHeading(paragraphs[1], "1 - Before") ||
        TextOf(paragraphs[2]) != "plain" || !IsHeading(paragraphs[4], "2 - Fuzz") ||
        !IsHeading(paragraphs[paragraphs.size() - 2], "3 - After") || TextOf(paragraphs.back()) != "plain")
        std::abort();
    const std::string text = PlainText(ParseDayRecord(records[1]).Body(), 1252);
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (IsRtf(body) && ascii && body.find("\\upr") == std::string::npos &&
        PlainText(document, 1252).find(text) == std::string::npos)
        std::abort();
    return 0;
}
