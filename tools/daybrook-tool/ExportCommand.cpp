// export: the whole diary as one RTF document, as the tools window writes it.
#include "Command.h"

#include "base/io/SafeFile.h"
#include "formats/rtfexport/DiaryExport.h"
#include "platform/locale/Collation.h"
#include "platform/locale/DiaryCodePage.h"
#include "platform/locale/Locale.h"
#include "formats/diary/DiaryText.h"

#include <filesystem>
#include <iostream>

using base::io::WriteWhole;
using base::result::Fail;
using base::result::Status;
using base::text::LineList;
using formats::diary::DiaryNotWritten;
using formats::diary::DiaryText;
using formats::rtfexport::ExportDiary;
using formats::rtfexport::ExportOptions;
using platform::locale::CompareText;
using platform::locale::DiaryCodePage;
using platform::locale::FormatShortDate;

namespace tool {
namespace {

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

int Export(const Arguments& arguments)
{
    if (arguments.size() != 2)
        return UsageError("export", "export takes FILE and OUT.rtf");
    const std::string& file = arguments[0];
    const std::string& out = arguments[1];
    if (SameFile(file, out))
        return UsageError("export", out + " is the diary itself; name another file for the export");
    std::string password;
    LineList lines;
    if (const int status = LoadWithPassword(file, lines, password); status != 0)
        return status;
    DiaryText records(CompareText);
    records.SetLines(std::move(lines));
    records.SetSorted(true);

    ExportOptions options;
    options.CodePage = DiaryCodePage();
    options.BodyFont.Font = "Arial";
    options.BodyFont.HalfPoints = 20;
    options.BodyFont.Color = 0;
    options.ShortDate = [](int year, int month, int day) {
        return FormatShortDate(year, month, day).toStdString();
    };
    if (const Status written = WriteWhole(out, ExportDiary(records.Lines(), options)); !written)
        return Fail(ExitNotWritten, out + ": " + DiaryNotWritten().Message + " (" + written.Message() + ")");
    std::cout << "exported " << records.Count() << " entries to " << out << '\n';
    return std::cout.flush() ? ExitDone : Fail(ExitIo, "cannot write to standard output");
}

DAYBROOK_TOOL_COMMAND(
    "export", "export FILE OUT.rtf", "Writes the whole diary as one RTF document.",
    "Writes every entry, oldest first, into one RTF document that word processors open,\n"
    "as the tools window's \"Export to Word/RTF\" does: each entry under a heading of its\n"
    "date (the locale's short date), \" - \" and its title, in bold, underlined 14-point\n"
    "Arial, followed by its text with its own formatting. An existing OUT is replaced only\n"
    "once the new document is complete. Needs the password.\n",
    Export);

} // namespace
} // namespace tool
