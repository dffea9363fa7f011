#include "formats/exports/MarkdownExport.h"

#include "base/text/Base64.h"
#include "formats/diary/MoodNames.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/Utf.h"

#include <map>
#include <memory>

using base::text::AppendUtf8;
using base::text::LineList;
using base::text::ToBase64;
using formats::diary::MoodName;
using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf16;
using formats::rtf::Paragraph;
using formats::rtf::Picture;
using formats::rtf::PictureKind;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::TextRun;

namespace formats::exports {

namespace {

// Markdown's inline marks of a stretch of text.
struct InlineMarks {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;

    bool operator==(const InlineMarks&) const = default;
};

InlineMarks MarksOf(const CharFormat& format)
{
    return {format.Bold, format.Italic, format.Underline, format.Strike};
}

struct Stretch {
    InlineMarks Marks;
    std::string Text; // UTF-8, line breaks as '\n'
    std::shared_ptr<const Picture> Shown; // set: the stretch is this picture
};

// The paragraph's runs joined where their Markdown marks agree.
std::vector<Stretch> Stretches(const Paragraph& paragraph)
{
    std::vector<Stretch> stretches;
    for (const TextRun& run : paragraph.Runs) {
        const InlineMarks marks = MarksOf(run.Format);
        if (run.Picture) {
            stretches.push_back({marks, {}, run.Picture});
            continue;
        }
        if (stretches.empty() || !(stretches.back().Marks == marks) || stretches.back().Shown)
            stretches.push_back({marks, {}, nullptr});
        ForEachUtf16(run.Text, [&](char32_t c) { AppendUtf8(stretches.back().Text, c == 0x2028 ? U'\n' : c); });
    }
    return stretches;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Text with what Markdown would read as mark-up escaped; lineStart tells whether it begins a line.
void AppendEscaped(std::string& markdown, std::string_view text, bool& lineStart)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            markdown += "\\\n"; // a hard line break
            lineStart = true;
            continue;
        }
        if (lineStart) {
            size_t digits = i;
            while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
                ++digits;
            const bool numbered = digits > i && digits < text.size() && (text[digits] == '.' || text[digits] == ')');
            if (numbered) {
                markdown.append(text.substr(i, digits - i));
                i = digits;
                markdown += '\\';
                markdown += text[i];
                lineStart = false;
                continue;
            }
            if (c == '#' || c == '+' || c == '-' || c == '=')
                markdown += '\\';
            if (c == ' ' || c == '\t') {
                markdown += "&#32;"; // leading blanks would make a code block or vanish
                lineStart = false;
                continue;
            }
        }
        if (c == '\\' || c == '*' || c == '_' || c == '`' || c == '[' || c == ']' || c == '<' || c == '>' ||
            c == '&' || c == '~' || c == '!')
            markdown += '\\';
        markdown += c;
        lineStart = false;
    }
}

void AppendPicture(std::string& markdown, const Picture& picture, const PictureAddress& address)
{
    const std::string target = address ? address(picture) : std::string();
    markdown += target.empty() ? "\\[picture\\]" : "![](" + target + ")";
}

void AppendStretch(std::string& markdown, const Stretch& stretch, bool& lineStart, const PictureAddress& address)
{
    if (stretch.Shown) {
        AppendPicture(markdown, *stretch.Shown, address);
        lineStart = false;
        return;
    }
    const std::string_view text = stretch.Text;
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    size_t end = text.size();
    while (end > first && IsBlank(text[end - 1]))
        --end;
    const InlineMarks& m = stretch.Marks;
    if (first == end || m == InlineMarks{}) {
        AppendEscaped(markdown, text, lineStart);
        return;
    }
    // Marks may not touch blanks inside them: blanks at either end stay outside.
    AppendEscaped(markdown, text.substr(0, first), lineStart);
    markdown += m.Bold ? "**" : "";
    markdown += m.Italic ? "*" : "";
    markdown += m.Underline ? "<u>" : "";
    markdown += m.Strike ? "~~" : "";
    lineStart = false;
    AppendEscaped(markdown, text.substr(first, end - first), lineStart);
    markdown += m.Strike ? "~~" : "";
    markdown += m.Underline ? "</u>" : "";
    markdown += m.Italic ? "*" : "";
    markdown += m.Bold ? "**" : "";
    AppendEscaped(markdown, text.substr(end), lineStart);
}

// Markdown drops blanks at the end of a line: the last one before a line end becomes a
// character reference, which keeps them all.
void KeepTrailingBlanks(std::string& line)
{
    for (size_t at = line.find("\\\n"); at != std::string::npos; at = line.find("\\\n", at + 2))
        if (at > 0 && line[at - 1] == ' ') {
            line.replace(at - 1, 1, "&#32;");
            at += 4;
        }
    if (line.ends_with(' ')) {
        line.pop_back();
        line += "&#32;";
    }
}

// A title on one line, escaped as body text is.
std::string HeadingText(const ExportedDay& day)
{
    std::string heading = day.Date;
    if (!day.Title.empty()) {
        heading += " · ";
        bool lineStart = false;
        AppendEscaped(heading, day.Title, lineStart);
    }
    return heading;
}

std::string YamlString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string DailyFile(const ExportedDay& day, int codePage, const PictureAddress& address)
{
    std::string markdown = "---\ntitle: " + YamlString(day.Title) + "\ndate: " + day.Date + "\n";
    if (day.Mood && !MoodName(*day.Mood).empty())
        markdown += "mood: " + std::string(MoodName(*day.Mood)) + "\n";
    markdown += "---\n\n";
    return markdown + BodyMarkdown(ReadRtf(day.Body, codePage), address);
}

} // namespace

std::string PictureDataAddress(const Picture& picture)
{
    const std::string_view type = PictureMediaType(picture.Kind);
    return type.empty() ? std::string() : "data:" + std::string(type) + ";base64," + ToBase64(picture.Data);
}

std::string BodyMarkdown(const RichText& text, const PictureAddress& address)
{
    std::string markdown;
    for (const Paragraph& paragraph : text.Paragraphs) {
        std::string line;
        bool lineStart = true;
        for (const Stretch& stretch : Stretches(paragraph))
            AppendStretch(line, stretch, lineStart, address);
        if (line.empty())
            continue; // an empty paragraph has no Markdown form: the blank lines separate
        KeepTrailingBlanks(line);
        markdown += line;
        markdown += "\n\n";
    }
    return markdown;
}

std::string ExportMarkdown(const LineList& records, const MarkdownOptions& options, const ExportProgress& progress)
{
    std::string markdown;
    if (!options.DiaryName.empty()) {
        bool lineStart = false;
        markdown += "# ";
        AppendEscaped(markdown, options.DiaryName, lineStart);
        markdown += "\n\n";
    }
    for (size_t i = 0; i < records.size(); ++i) {
        const ExportedDay day = ReadExportedDay(records[i], options.CodePage);
        markdown += "## " + HeadingText(day) + "\n\n" + BodyMarkdown(ReadRtf(day.Body, options.CodePage));
        if (progress)
            progress(i + 1, records.size());
    }
    return markdown;
}

std::vector<ExportedFile> ExportMarkdownFolder(const LineList& records, const MarkdownOptions& options,
                                               const ExportProgress& progress)
{
    std::vector<ExportedFile> files;
    std::map<std::string, int> filesOfDate;
    for (size_t i = 0; i < records.size(); ++i) {
        const ExportedDay day = ReadExportedDay(records[i], options.CodePage);
        std::string name;
        for (const char c : day.Date)
            name += (c == '/' || c == '\\' || c == '\0') ? '_' : c;
        if (const int count = ++filesOfDate[name]; count > 1)
            name += "-" + std::to_string(count);
        std::vector<ExportedFile> pictures;
        const auto address = [&](const Picture& picture) {
            const std::string_view type = PictureMediaType(picture.Kind);
            if (type.empty())
                return std::string();
            const std::string file = name + "-picture-" + std::to_string(pictures.size() + 1) +
                                     (picture.Kind == PictureKind::Png ? ".png" : ".jpg");
            pictures.push_back({file, picture.Data});
            return file;
        };
        files.push_back({name + ".md", DailyFile(day, options.CodePage, address)});
        files.insert(files.end(), pictures.begin(), pictures.end());
        if (progress)
            progress(i + 1, records.size());
    }
    return files;
}

} // namespace formats::exports
