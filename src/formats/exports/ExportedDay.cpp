#include "formats/exports/ExportedDay.h"

#include "base/text/CodePage.h"
#include "formats/diary/DayRecords.h"

#include <array>
#include <cstdio>

using base::text::CodePageToUtf8;
using formats::diary::DayParts;
using formats::diary::ParseDayRecord;

namespace formats::exports {

namespace {

std::string IsoDate(std::string_view record, const DayParts& parts, int codePage)
{
    if (!parts.Date)
        return CodePageToUtf8(record.substr(0, 8), codePage);
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", parts.Date->Year, parts.Date->Month, parts.Date->Day);
    return text.data();
}

} // namespace

ExportedDay ReadExportedDay(std::string_view record, int codePage)
{
    const DayParts parts = ParseDayRecord(record);
    ExportedDay day;
    day.Date = IsoDate(record, parts, codePage);
    day.Mood = parts.Mood;
    day.Title = CodePageToUtf8(parts.Title, codePage);
    day.Body = parts.Body();
    return day;
}

std::string_view PictureMediaType(formats::rtf::PictureKind kind)
{
    if (kind == formats::rtf::PictureKind::Png)
        return "image/png";
    if (kind == formats::rtf::PictureKind::Jpeg)
        return "image/jpeg";
    return "";
}

} // namespace formats::exports
