// The diary as Markdown (CommonMark with strike-through): one file with a "## date · title"
// section per day, or a folder of daily files YYYY-MM-DD.md with YAML front matter (title,
// date, mood). Bold, italic, underline (<u>) and strike-out are kept; colours, fonts and
// alignment have no Markdown form and are left out.
#pragma once

#include "base/text/TextLines.h"
#include "formats/exports/ExportedDay.h"
#include "formats/rtf/RichText.h"

#include <functional>
#include <string>
#include <vector>

namespace formats::exports {

struct MarkdownOptions {
    int CodePage = 1252;   // of titles and plain-text bodies
    std::string DiaryName; // the single file's top heading, UTF-8
};

std::string ExportMarkdown(const base::text::LineList& records, const MarkdownOptions& options,
                           const ExportProgress& progress = {});

// A file of the folder export: its name in the folder and its bytes.
struct ExportedFile {
    std::string Name;
    std::string Bytes;
};

// One file per record, named after its date ("2024-03-14.md"; a second record of one date,
// which a damaged diary may hold, gets "2024-03-14-2.md"), and the pictures of its body beside
// it ("2024-03-14-picture-1.png"). The single file carries its pictures as data: addresses.
std::vector<ExportedFile> ExportMarkdownFolder(const base::text::LineList& records, const MarkdownOptions& options,
                                               const ExportProgress& progress = {});

// Where a picture of the body is to be found: the address Markdown links to ("![](address)"),
// or empty when it has none (its place is then marked "[picture]").
using PictureAddress = std::function<std::string(const formats::rtf::Picture& picture)>;

// A PNG or JPEG picture as a data: address; empty for the other kinds.
std::string PictureDataAddress(const formats::rtf::Picture& picture);

// The body alone as Markdown paragraphs, each followed by a blank line.
std::string BodyMarkdown(const formats::rtf::RichText& text, const PictureAddress& address = PictureDataAddress);

} // namespace formats::exports
