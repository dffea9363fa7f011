#include "formats/imports/JournalSources.h"

#include "formats/imports/JsonFields.h"

using base::result::Fail;
using base::result::Reason;
using base::result::Result;

namespace formats::imports {

Result<ImportedEntries> ReadJrnl(std::string_view json, const std::string& fileName)
{
    auto document = ParseJson(json, fileName);
    if (!document)
        return document.Error();
    const auto* entries = ArrayField(*document, "entries");
    if (!document->is_object() || entries == nullptr)
        return Fail(Reason::Damaged, fileName + ": not a jrnl export (it has no list of entries)");
    ImportedEntries imported;
    for (size_t i = 0; i < entries->size(); ++i) {
        const auto& entry = (*entries)[i];
        const std::string where = fileName + ", entry " + std::to_string(i + 1);
        const std::string dateText = StringField(entry, "date").value_or("");
        const auto date = ParseIsoDate(dateText);
        if (!date || dateText.size() != 10)
            return Fail(Reason::Refused, where + ": the date \"" + dateText + "\" is not a day of the calendar");
        ImportedEntry day;
        day.Date = *date;
        day.Where = "entry " + std::to_string(i + 1) + " (" + dateText + ")";
        day.Time = StringField(entry, "time").value_or("");
        day.Title = StringField(entry, "title").value_or("");
        day.Body = PlainParagraphs(StringField(entry, "body").value_or(""));
        day.Tags = StringList(entry, "tags");
        if (BoolField(entry, "starred").value_or(false))
            day.Tags.insert(day.Tags.begin(), "\u2605");
        imported.push_back(std::move(day));
    }
    return imported;
}

} // namespace formats::imports
