#include "formats/imports/JournalSources.h"

#include "base/io/SafeFile.h"

#include <system_error>

using base::io::ReadWhole;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;

namespace formats::imports {

std::optional<JournalKind> JournalKindNamed(std::string_view name)
{
    if (name == "jrnl")
        return JournalKind::Jrnl;
    if (name == "dayone")
        return JournalKind::DayOne;
    if (name == "markdown")
        return JournalKind::Markdown;
    if (name == "daybrook")
        return JournalKind::Daybrook;
    return std::nullopt;
}

JournalKind JournalKindOfFile(const std::filesystem::path& file)
{
    const std::string extension = file.extension().string();
    if (extension == ".zip" || extension == ".ZIP")
        return JournalKind::DayOne;
    if (extension == ".md" || extension == ".MD")
        return JournalKind::Markdown;
    if (extension == ".dry" || extension == ".DRY")
        return JournalKind::Daybrook;
    return JournalKind::Jrnl;
}

Result<ImportedEntries> ReadJournal(JournalKind kind, const std::filesystem::path& source, const LocalTime& localTime)
{
    if (kind == JournalKind::DayOne)
        return ReadDayOne(source, localTime);
    if (kind == JournalKind::Markdown)
        return ReadMarkdownFolder(std::filesystem::is_directory(source) ? source : source.parent_path());
    const std::string name = source.filename().string();
    std::error_code error;
    if (std::filesystem::file_size(source, error) > MaxSourceBytes && !error)
        return Fail(Reason::Refused, name + ": larger than the 256 MB a source may have");
    const auto json = ReadWhole(source);
    if (!json)
        return Fail(json.Code(), name + ": " + json.Message());
    return ReadJrnl(*json, name);
}

} // namespace formats::imports
