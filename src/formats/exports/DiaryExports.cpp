#include "formats/exports/DiaryExports.h"

#include "base/io/SafeFile.h"
#include "formats/exports/HtmlExport.h"
#include "formats/exports/MarkdownExport.h"
#include "formats/exports/TextExport.h"

#include <algorithm>
#include <array>
#include <utility>

using base::io::WriteWhole;
using base::result::Fail;
using base::result::Reason;
using base::result::Status;
using base::text::LineList;
using formats::rtfexport::ExportDiary;

namespace formats::exports {

namespace {

constexpr std::array<std::pair<std::string_view, ExportFormat>, 5> Names{{
    {"rtf", ExportFormat::Rtf},
    {"html", ExportFormat::Html},
    {"md", ExportFormat::Markdown},
    {"md-folder", ExportFormat::MarkdownFolder},
    {"txt", ExportFormat::Text},
}};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

Status WriteFolder(const LineList& records, const ExportRequest& request, const std::filesystem::path& out,
                   const ExportProgress& progress)
{
    std::error_code error;
    std::filesystem::create_directories(out, error);
    if (error || !std::filesystem::is_directory(out))
        return Fail(Reason::WriteFailed, "cannot make the folder " + out.string());
    const MarkdownOptions options{request.Options.CodePage, request.DiaryName};
    for (const ExportedFile& file : ExportMarkdownFolder(records, options, progress))
        if (const Status written = WriteWhole(out / file.Name, file.Bytes); !written)
            return written;
    return {};
}

std::string Document(const LineList& records, const ExportRequest& request, const ExportProgress& progress)
{
    const int codePage = request.Options.CodePage;
    switch (request.Format) {
    case ExportFormat::Html: return ExportHtml(records, {codePage, request.DiaryName}, progress);
    case ExportFormat::Markdown: return ExportMarkdown(records, {codePage, request.DiaryName}, progress);
    case ExportFormat::Text: return ExportText(records, codePage, progress);
    case ExportFormat::Rtf:
    case ExportFormat::MarkdownFolder: break;
    }
    return ExportDiary(records, request.Options, progress);
}

} // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name)
{
    for (const auto& [known, format] : Names)
        if (known == name)
            return format;
    return std::nullopt;
}

ExportFormat ExportFormatOfFile(std::string_view fileName)
{
    const std::string extension = Lower(std::filesystem::path(fileName).extension().string());
    if (extension == ".html" || extension == ".htm")
        return ExportFormat::Html;
    if (extension == ".md" || extension == ".markdown")
        return ExportFormat::Markdown;
    if (extension == ".txt")
        return ExportFormat::Text;
    return ExportFormat::Rtf;
}

std::string_view ExportFormatLabel(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Html: return "HTML";
    case ExportFormat::Markdown:
    case ExportFormat::MarkdownFolder: return "Markdown";
    case ExportFormat::Text: return "text";
    case ExportFormat::Rtf: break;
    }
    return "RTF";
}

Status WriteExport(const LineList& records, const ExportRequest& request, const std::filesystem::path& out,
                   const ExportProgress& progress)
{
    if (request.Format == ExportFormat::MarkdownFolder)
        return WriteFolder(records, request, out, progress);
    return WriteWhole(out, Document(records, request, progress));
}

} // namespace formats::exports
