// Every way the whole diary is exported, named as the command line names them, and written to
// a file (or, for the folder of daily Markdown files, a folder).
#pragma once

#include "base/result/Result.h"
#include "base/text/TextLines.h"
#include "formats/exports/ExportedDay.h"
#include "formats/rtfexport/DiaryExport.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace formats::exports {

enum class ExportFormat { Rtf, Html, Markdown, MarkdownFolder, Text };

// "rtf", "html", "md", "md-folder", "txt"; nothing for another name.
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

// The format a file name asks for by its extension (.html/.htm, .md/.markdown, .txt); RTF
// otherwise.
ExportFormat ExportFormatOfFile(std::string_view fileName);

// What the format is called in messages: "RTF", "HTML", "Markdown", "text".
std::string_view ExportFormatLabel(ExportFormat format);

struct ExportRequest {
    ExportFormat Format = ExportFormat::Rtf;
    std::string DiaryName;                    // UTF-8, the HTML page's and Markdown file's title
    formats::rtfexport::ExportOptions Options; // code page of all formats; font and dates of RTF
};

// Writes the export of the records to out (a folder for MarkdownFolder, made when missing; files
// of the same names in it are replaced). Fails as WriteFailed, naming the file.
base::result::Status WriteExport(const base::text::LineList& records, const ExportRequest& request,
                                 const std::filesystem::path& out, const ExportProgress& progress = {});

} // namespace formats::exports
