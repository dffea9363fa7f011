#include "formats/imports/ImportedEntry.h"

#include "base/dates/CalendarDate.h"
#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/Utf.h"

#include <algorithm>
#include <memory>

using base::dates::IsValidDate;
using formats::diary::DayDate;
using formats::rtf::AppendUtf16;
using formats::rtf::ClampTwips;
using formats::rtf::DeclaredPixelSize;
using formats::rtf::ForEachUtf8;
using formats::rtf::Paragraph;
using formats::rtf::Picture;
using formats::rtf::PictureKind;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::TwipsPerPixel;

namespace formats::imports {

namespace {

std::optional<int> Digits(std::string_view text, size_t at, size_t count)
{
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

bool IsDiaryDate(const DayDate& date)
{
    return date.Year >= 1 && date.Year <= 9999 && IsValidDate(date.Year, date.Month, date.Day);
}

std::optional<DayDate> ParseIsoDate(std::string_view text)
{
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const DayDate date{*year, *month, *day};
    return IsDiaryDate(date) ? std::optional(date) : std::nullopt;
}

RichText PlainParagraphs(std::string_view utf8)
{
    RichText text;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view line = utf8.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        Paragraph paragraph;
        if (!line.empty()) {
            TextRun run;
            ForEachUtf8(line, [&run](char32_t c) { AppendUtf16(run.Text, c); });
            paragraph.Runs.push_back(std::move(run));
        }
        text.Paragraphs.push_back(std::move(paragraph));
        start = end + 1;
    }
    while (!text.Paragraphs.empty() && text.Paragraphs.back().Runs.empty())
        text.Paragraphs.pop_back();
    return text;
}

std::optional<Picture> PictureOfFile(std::string bytes)
{
    PictureKind kind = PictureKind::Unknown;
    if (bytes.starts_with("\x89PNG\r\n\x1A\n"))
        kind = PictureKind::Png;
    else if (bytes.starts_with("\xFF\xD8\xFF"))
        kind = PictureKind::Jpeg;
    const auto size = kind == PictureKind::Unknown || bytes.size() > MaxPictureBytes
                          ? std::nullopt
                          : DeclaredPixelSize(kind, bytes);
    if (!size || size->Width <= 0 || size->Height <= 0)
        return std::nullopt;
    Picture picture;
    picture.Kind = kind;
    picture.WidthTwips = ClampTwips(1LL * size->Width * TwipsPerPixel);
    picture.HeightTwips = ClampTwips(1LL * size->Height * TwipsPerPixel);
    picture.Data = std::move(bytes);
    return picture;
}

TextRun PictureRun(Picture picture)
{
    TextRun run;
    run.Picture = std::make_shared<const Picture>(std::move(picture));
    return run;
}

} // namespace formats::imports
