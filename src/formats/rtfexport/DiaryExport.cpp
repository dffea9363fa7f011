#include "formats/rtfexport/DiaryExport.h"

#include "base/text/CodePage.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/Utf.h"
#include "formats/rtfexport/RtfJoiner.h"
#include "formats/diary/DayRecords.h"

using base::text::CodePageToUtf8;
using base::text::LineList;
using formats::diary::DayParts;
using formats::diary::ParseDayRecord;
using formats::rtf::Alignment;
using formats::rtf::AppendUtf16;
using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf8;
using formats::rtf::Paragraph;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::WriteRtf;

namespace formats::rtfexport {

namespace {

constexpr int HeadingHalfPoints = 28;

// The record's short date, or its date characters as they stand when they are no date.
std::string DateText(std::string_view record, const DayParts& parts, const ExportOptions& options)
{
    if (parts.Date)
        return options.ShortDate(parts.Date->Year, parts.Date->Month, parts.Date->Day);
    return CodePageToUtf8(record.substr(0, 8), options.CodePage);
}

std::u16string Utf16(std::string_view utf8)
{
    std::u16string text;
    ForEachUtf8(utf8, [&text](char32_t c) { AppendUtf16(text, c); });
    return text;
}

// The heading as a document of its own: an empty paragraph, then date, " - " and title.
std::string Heading(std::string_view record, const DayParts& parts, const ExportOptions& options)
{
    CharFormat format = options.BodyFont;
    format.Bold = true;
    format.Underline = true;
    format.HalfPoints = HeadingHalfPoints;
    const std::string text =
        DateText(record, parts, options) + " - " + CodePageToUtf8(parts.Title, options.CodePage);
    RichText heading;
    heading.Paragraphs.push_back(Paragraph{Alignment::Left, format, {}});
    heading.Paragraphs.push_back(Paragraph{Alignment::Left, format, {TextRun{format, Utf16(text), nullptr}}});
    return WriteRtf(heading, options.CodePage, format);
}

} // namespace

std::string ExportDiary(const LineList& records, const ExportOptions& options, const ExportProgress& progress)
{
    RtfJoiner joiner(options.CodePage, options.BodyFont);
    for (size_t i = 0; i < records.size(); ++i) {
        const DayParts parts = ParseDayRecord(records[i]);
        joiner.Append(Heading(records[i], parts, options));
        joiner.Append(parts.Body());
        if (progress)
            progress(i + 1, records.size());
    }
    return joiner.Document();
}

} // namespace formats::rtfexport
