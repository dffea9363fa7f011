#include "formats/exports/HtmlExport.h"

#include "base/text/Base64.h"
#include "formats/diary/MoodNames.h"
#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/Utf.h"

#include <algorithm>
#include <array>
#include <cstdio>

using base::text::AppendUtf8;
using base::text::LineList;
using base::text::ToBase64;
using formats::diary::MoodName;
using formats::rtf::Alignment;
using formats::rtf::Automatic;
using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf16;
using formats::rtf::Paragraph;
using formats::rtf::Picture;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::TwipsPerPixel;

namespace formats::exports {

namespace {

constexpr std::string_view PageStyle = R"(body { font-family: Georgia, "Liberation Serif", serif; max-width: 42em; margin: 2em auto; padding: 0 1em; line-height: 1.45; color: #222; background: #fff; }
h1 { font-size: 1.8em; border-bottom: 2px solid #6a4622; padding-bottom: .2em; }
article { margin: 0 0 2.2em; }
h2 { font-size: 1.2em; margin: 0 0 .6em; color: #6a4622; }
h2 .mood { font-weight: normal; font-size: .85em; color: #777; }
p { margin: 0 0 .5em; }
img { max-width: 100%; height: auto; vertical-align: bottom; }
.picture { display: inline-block; max-width: 100%; border: 1px solid #999; background: #eef; }
@media print { body { max-width: none; margin: 0; } article { break-inside: avoid-page; } }
)";

void AppendEscaped(std::string& html, std::string_view utf8)
{
    for (const char c : utf8) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        default: html += c;
        }
    }
}

std::string Colour(uint32_t rgb)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%06x", rgb & 0xFFFFFFu);
    return text.data();
}

// The run's font, size and colours as an inline style; empty when it has none.
std::string RunStyle(const CharFormat& format)
{
    std::string style;
    if (!format.Font.empty()) {
        style += "font-family:'";
        for (const char c : format.Font)
            if (c != '\'' && c != '"' && c != ';')
                style += c;
        style += "';";
    }
    if (format.HalfPoints > 0)
        style += "font-size:" + std::to_string(format.HalfPoints / 2) + (format.HalfPoints % 2 ? ".5" : "") + "pt;";
    if (format.Color != Automatic)
        style += "color:" + Colour(format.Color) + ";";
    if (format.Highlight != Automatic)
        style += "background:" + Colour(format.Highlight) + ";";
    return style;
}

void AppendText(std::string& html, std::u16string_view text)
{
    std::string utf8;
    ForEachUtf16(text, [&](char32_t c) {
        if (c == 0x2028) {
            AppendEscaped(html, utf8);
            utf8.clear();
            html += "<br>";
        } else {
            AppendUtf8(utf8, c);
        }
    });
    AppendEscaped(html, utf8);
}

// PNG and JPEG pictures inside the page as data: addresses, at the size the body shows them;
// the other kinds as a framed box of their size.
void AppendPicture(std::string& html, const Picture& picture)
{
    const std::string width = std::to_string(std::max(1, picture.WidthTwips / TwipsPerPixel));
    const std::string height = std::to_string(std::max(1, picture.HeightTwips / TwipsPerPixel));
    const std::string_view type = PictureMediaType(picture.Kind);
    if (type.empty()) {
        html += "<span class=\"picture\" style=\"width:" + width + "px;height:" + height + "px\"></span>";
        return;
    }
    html += "<img alt=\"\" width=\"" + width + "\" height=\"" + height + "\" src=\"data:";
    html += type;
    html += ";base64," + ToBase64(picture.Data) + "\">";
}

void AppendRun(std::string& html, const TextRun& run)
{
    if (run.Picture) {
        AppendPicture(html, *run.Picture);
        return;
    }
    const CharFormat& f = run.Format;
    const std::string style = RunStyle(f);
    if (!style.empty()) {
        html += "<span style=\"";
        AppendEscaped(html, style);
        html += "\">";
    }
    html += f.Bold ? "<strong>" : "";
    html += f.Italic ? "<em>" : "";
    html += f.Underline ? "<u>" : "";
    html += f.Strike ? "<s>" : "";
    AppendText(html, run.Text);
    html += f.Strike ? "</s>" : "";
    html += f.Underline ? "</u>" : "";
    html += f.Italic ? "</em>" : "";
    html += f.Bold ? "</strong>" : "";
    html += style.empty() ? "" : "</span>";
}

std::string_view AlignmentStyle(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center: return " style=\"text-align:center\"";
    case Alignment::Right: return " style=\"text-align:right\"";
    case Alignment::Justify: return " style=\"text-align:justify\"";
    case Alignment::Left: break;
    }
    return "";
}

void AppendDay(std::string& html, const ExportedDay& day, int codePage)
{
    html += "<article>\n<h2><time datetime=\"";
    AppendEscaped(html, day.Date);
    html += "\">";
    AppendEscaped(html, day.Date);
    html += "</time>";
    if (!day.Title.empty()) {
        html += " · ";
        AppendEscaped(html, day.Title);
    }
    if (day.Mood && !MoodName(*day.Mood).empty()) {
        html += " <span class=\"mood\">(";
        html += MoodName(*day.Mood);
        html += ")</span>";
    }
    html += "</h2>\n";
    html += BodyHtml(ReadRtf(day.Body, codePage));
    html += "</article>\n";
}

} // namespace

std::string BodyHtml(const RichText& text)
{
    std::string html;
    for (const Paragraph& paragraph : text.Paragraphs) {
        html += "<p";
        html += AlignmentStyle(paragraph.Alignment);
        html += ">";
        for (const TextRun& run : paragraph.Runs)
            AppendRun(html, run);
        if (paragraph.Runs.empty())
            html += "<br>";
        html += "</p>\n";
    }
    return html;
}

std::string ExportHtml(const LineList& records, const HtmlOptions& options, const ExportProgress& progress)
{
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendEscaped(html, options.DiaryName);
    html += "</title>\n<style>\n";
    html += PageStyle;
    html += "</style>\n</head>\n<body>\n<h1>";
    AppendEscaped(html, options.DiaryName);
    html += "</h1>\n";
    for (size_t i = 0; i < records.size(); ++i) {
        AppendDay(html, ReadExportedDay(records[i], options.CodePage), options.CodePage);
        if (progress)
            progress(i + 1, records.size());
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace formats::exports
