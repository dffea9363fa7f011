#include "formats/merge/DayMerge.h"

#include "base/text/CodePage.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/Utf.h"
#include "formats/rtfexport/RtfJoiner.h"

#include <map>
#include <optional>
#include <set>

using base::text::CodePageToUtf8;
using base::text::LineList;
using formats::diary::DayParts;
using formats::diary::DayRecord;
using formats::diary::IsStorableTitle;
using formats::diary::ParseDayRecord;
using formats::diary::RecordDate;
using formats::rtf::Alignment;
using formats::rtf::AppendUtf16;
using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf8;
using formats::rtf::Paragraph;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::WriteRtf;
using formats::rtfexport::RtfJoiner;

namespace formats::merge {

namespace {

using Day = std::optional<std::string_view>;
using DayMap = std::map<std::string, std::string_view>;

// The date characters of a record naming a real date; any other line is a day of its own, so
// that it is kept as it stands.
std::string DayKeyOf(std::string_view line)
{
    if (RecordDate(line))
        return std::string(line.substr(0, 8));
    return '\x7f' + std::string(line); // after every date
}

DayMap ByDay(const LineList& lines)
{
    DayMap days;
    for (const auto& line : lines)
        days.emplace(DayKeyOf(line), line);
    return days;
}

Day Find(const DayMap& days, const std::string& key)
{
    const auto found = days.find(key);
    if (found == days.end())
        return std::nullopt;
    return found->second;
}

std::u16string Utf16(std::string_view utf8)
{
    std::u16string text;
    ForEachUtf8(utf8, [&text](char32_t c) { AppendUtf16(text, c); });
    return text;
}

// The format of the body's first text, so that the separator reads as part of it.
CharFormat FirstTextFormat(const DayParts& day, int codePage)
{
    for (const auto& paragraph : ReadRtf(day.Body(), codePage).Paragraphs)
        if (!paragraph.Runs.empty())
            return paragraph.Runs.front().Format;
    return {};
}

// The italic paragraph between the two bodies, in our body's font: which copy the second one
// comes from.
std::string SeparatorParagraph(const DayParts& ours, const DayParts& theirs, const OtherCopy& other)
{
    std::string text = "Also written in " + other.Name + " (" + other.Time + ")";
    if (!theirs.Title.empty() && theirs.Title != ours.Title)
        text += ", titled \u201c" + CodePageToUtf8(theirs.Title, other.CodePage) + "\u201d";
    text += ":";
    CharFormat format = FirstTextFormat(ours, other.CodePage);
    format.Bold = false;
    format.Italic = true;
    format.Underline = false;
    format.Strike = false;
    RichText separator;
    separator.Paragraphs.push_back(Paragraph{Alignment::Left, format, {TextRun{format, Utf16(text), nullptr}}});
    return WriteRtf(separator, other.CodePage, format);
}

std::string StorableTitle(std::string title)
{
    while (!IsStorableTitle(title))
        title.pop_back(); // only a title ending in "@" can be unstorable once parsed
    return title;
}

MergedDiary Merge(const LineList* base, const LineList& ours, const LineList& theirs, const OtherCopy& other)
{
    const DayMap baseDays = base != nullptr ? ByDay(*base) : DayMap{};
    const DayMap ourDays = ByDay(ours);
    const DayMap theirDays = ByDay(theirs);
    std::set<std::string> keys;
    for (const DayMap* days : {&ourDays, &theirDays})
        for (const auto& [key, line] : *days)
            keys.insert(key);

    MergedDiary merged;
    merged.Lines.reserve(keys.size());
    for (const auto& key : keys) {
        const Day mine = Find(ourDays, key);
        const Day their = Find(theirDays, key);
        const Day common = Find(baseDays, key);
        Day taken;
        std::string joined;
        if (mine == their || (base != nullptr && common == their)) {
            taken = mine; // the same on both sides, or changed here only
        } else if (base != nullptr && common == mine) {
            taken = their; // changed there only
        } else if (!mine || !their) {
            taken = mine ? mine : their; // a deletion against an edit keeps the edit; a day of one copy
        } else {
            joined = JoinedRecord(*mine, *their, other);
            taken = joined;
            merged.TwoTexts.push_back(*RecordDate(joined));
        }
        if (taken != mine)
            if (const auto date = RecordDate(mine ? *mine : *their))
                merged.CameIn.push_back(*date);
        if (taken != their)
            merged.DiffersFromOther = true;
        if (taken)
            merged.Lines.emplace_back(*taken);
    }
    return merged;
}

} // namespace

std::string JoinedRecord(std::string_view ours, std::string_view theirs, const OtherCopy& other)
{
    const DayParts mine = ParseDayRecord(ours);
    const DayParts their = ParseDayRecord(theirs);
    RtfJoiner joiner(other.CodePage, CharFormat{});
    joiner.Append(mine.Body());
    joiner.Append(SeparatorParagraph(mine, their, other));
    joiner.Append(their.Body());
    const auto date = mine.Date.value_or(formats::diary::DayDate{0, 0, 0});
    return DayRecord(date.Year, date.Month, date.Day, mine.Mood.value_or(0), StorableTitle(mine.Title),
                     joiner.Document());
}

MergedDiary MergeThreeWay(const LineList& base, const LineList& ours, const LineList& theirs, const OtherCopy& other)
{
    return Merge(&base, ours, theirs, other);
}

MergedDiary MergeTwoWay(const LineList& ours, const LineList& theirs, const OtherCopy& other)
{
    return Merge(nullptr, ours, theirs, other);
}

} // namespace formats::merge
