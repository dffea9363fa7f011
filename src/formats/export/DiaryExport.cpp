#include "formats/export/DiaryExport.h"

#include "base/dates/CalendarDate.h"
#include "base/text/CodePage.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/Utf.h"
#include "formats/export/RtfJoiner.h"
#include "formats/diary/DayRecords.h"

#include <optional>

namespace rtfexport {

namespace {

constexpr int HeadingHalfPoints = 28;

std::optional<int> Number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The record's short date, or its date characters as they stand when they are no date.
std::string DateText(const std::string& record, const ExportOptions& options)
{
    const std::string_view key = std::string_view(record).substr(0, 8);
    if (key.size() == 8) {
        const auto year = Number(key.substr(0, 4)), month = Number(key.substr(4, 2)),
                   day = Number(key.substr(6, 2));
        if (year && month && day && calendar::IsValidDate(*year, *month, *day))
            return options.ShortDate(*year, *month, *day);
    }
    return codepage::CodePageToUtf8(key, options.CodePage);
}

std::u16string Utf16(std::string_view utf8)
{
    std::u16string text;
    rtf::ForEachUtf8(utf8, [&text](char32_t c) { rtf::AppendUtf16(text, c); });
    return text;
}

// The heading as a document of its own: an empty paragraph, then date, " - " and title.
std::string Heading(const std::string& record, const std::string& title, const ExportOptions& options)
{
    rtf::CharFormat format = options.BodyFont;
    format.bold = true;
    format.underline = true;
    format.halfPoints = HeadingHalfPoints;
    const std::string text =
        DateText(record, options) + " - " + codepage::CodePageToUtf8(title, options.CodePage);
    rtf::RichText heading;
    heading.paragraphs.push_back(rtf::Paragraph{rtf::Alignment::Left, format, {}});
    heading.paragraphs.push_back(
        rtf::Paragraph{rtf::Alignment::Left, format, {rtf::TextRun{format, Utf16(text)}}});
    return rtf::WriteRtf(heading, options.CodePage, format);
}

} // namespace

std::string ExportDiary(const LineList& records, const ExportOptions& options, const ExportProgress& progress)
{
    RtfJoiner joiner(options.CodePage, options.BodyFont);
    for (size_t i = 0; i < records.size(); ++i) {
        const DayParts parts = ParseDayRecord(records[i]);
        joiner.Append(Heading(records[i], parts.Title, options));
        joiner.Append(parts.Body);
        if (progress)
            progress(i + 1, records.size());
    }
    return joiner.Document();
}

} // namespace rtfexport
