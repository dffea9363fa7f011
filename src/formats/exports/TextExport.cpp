#include "formats/exports/TextExport.h"

#include "formats/diary/MoodNames.h"
#include "formats/rtf/RtfReader.h"

using base::text::LineList;
using formats::diary::MoodName;
using formats::rtf::PlainText;

namespace formats::exports {

std::string ExportText(const LineList& records, int codePage, const ExportProgress& progress)
{
    std::string text;
    for (size_t i = 0; i < records.size(); ++i) {
        const ExportedDay day = ReadExportedDay(records[i], codePage);
        text += day.Date;
        if (!day.Title.empty())
            text += " · " + day.Title;
        if (day.Mood && !MoodName(*day.Mood).empty())
            text += " (" + std::string(MoodName(*day.Mood)) + ")";
        text += "\n\n";
        std::string body = PlainText(day.Body, codePage);
        while (!body.empty() && body.back() == '\n')
            body.pop_back();
        text += body;
        text += body.empty() ? "\n" : "\n\n";
        if (progress)
            progress(i + 1, records.size());
    }
    return text;
}

} // namespace formats::exports
