// export: the whole diary as one RTF document, as the tools window writes it, or as HTML,
// Markdown or text.
#include "Command.h"

#include "base/io/SafeFile.h"
#include "formats/exports/DiaryExports.h"
#include "platform/locale/Collation.h"
#include "platform/locale/DiaryCodePage.h"
#include "platform/locale/Locale.h"
#include "formats/diary/DiaryText.h"

#include <filesystem>
#include <iostream>

using base::result::Fail;
using base::result::Status;
using base::text::LineList;
using formats::diary::DiaryNotWritten;
using formats::diary::DiaryText;
using formats::exports::ExportFormat;
using formats::exports::ExportFormatNamed;
using formats::exports::ExportRequest;
using formats::exports::WriteExport;
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

// The diary's name: its file name without the extension.
std::string DiaryName(const std::string& file)
{
    return std::filesystem::path(file).stem().string();
}

int Export(const Arguments& given)
{
    Arguments arguments = given;
    ExportFormat format = ExportFormat::Rtf;
    if (!arguments.empty() && arguments[0] == "--format") {
        const auto named = arguments.size() > 1 ? ExportFormatNamed(arguments[1]) : std::nullopt;
        if (!named)
            return UsageError("export", "--format takes rtf, html, md, md-folder or txt");
        format = *named;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.size() != 2)
        return UsageError("export", "export takes [--format FORMAT] FILE and OUT");
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

    ExportRequest request{format, DiaryName(file), {}};
    request.Options.CodePage = DiaryCodePage();
    request.Options.BodyFont = BodyFont();
    request.Options.ShortDate = [](int year, int month, int day) {
        return FormatShortDate(year, month, day).toStdString();
    };
    if (const Status written = WriteExport(records.Lines(), request, out); !written)
        return Fail(ExitNotWritten, out + ": " + DiaryNotWritten().Message + " (" + written.Message() + ")");
    std::cout << "exported " << records.Count() << " entries to " << out << '\n';
    return std::cout.flush() ? ExitDone : Fail(ExitIo, "cannot write to standard output");
}

DAYBROOK_TOOL_COMMAND(
    "export", "export [--format rtf|html|md|md-folder|txt] FILE OUT",
    "Writes the whole diary as one RTF, HTML, Markdown or text document.",
    "Writes every entry, oldest first. rtf (the default): one RTF document that word\n"
    "processors open, as the tools window's \"Export to Word/RTF\" does: each entry under a\n"
    "heading of its date (the locale's short date), \" - \" and its title, in bold,\n"
    "underlined 14-point Arial, followed by its text with its own formatting. html: one\n"
    "self-contained UTF-8 page, a heading per day with date, title and mood. md: one\n"
    "Markdown file, a \"## YYYY-MM-DD · title\" section per day. md-folder: OUT is a folder\n"
    "(made when missing) of daily files YYYY-MM-DD.md with YAML front matter (title, date,\n"
    "mood). txt: plain UTF-8 text. An existing file is replaced only once its new content is\n"
    "complete. Needs the password.\n",
    Export);

} // namespace
} // namespace tool
