#include "formats/exports/ExportedDay.h"

#include "base/text/CodePage.h"
#include "formats/diary/DayRecords.h"


using base::text::CodePageToUtf8;
using formats::diary::DayParts;
using formats::diary::IsoDate;
using formats::diary::ParseDayRecord;

namespace formats::exports {

namespace {

std::string DateText(std::string_view record, const DayParts& parts, int codePage)
{
    return parts.Date ? IsoDate(*parts.Date) : CodePageToUtf8(record.substr(0, 8), codePage);
}

} // namespace

ExportedDay ReadExportedDay(std::string_view record, int codePage)
{
    const DayParts parts = ParseDayRecord(record);
    ExportedDay day;
    day.Date = DateText(record, parts, codePage);
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
