#include "model/imports/DiaryImport.h"

#include "base/text/CodePage.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/Utf.h"
#include "formats/rtfexport/RtfJoiner.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

using base::text::AppendUtf8;
using base::text::NextUtf8;
using base::text::Utf8ToCodePage;
using formats::diary::DayDate;
using formats::diary::DayKey;
using formats::diary::DayParts;
using formats::diary::DayRecord;
using formats::diary::DiaryRecords;
using formats::diary::DiaryText;
using formats::diary::IsoDate;
using formats::diary::ParseDayRecord;
using formats::imports::ImportedEntries;
using formats::imports::ImportedEntry;
using formats::rtf::AppendUtf16;
using formats::rtf::ForEachUtf8;
using formats::rtf::Paragraph;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::WriteRtf;
using formats::rtfexport::RtfJoiner;

namespace model::imports {

namespace {

constexpr size_t LongestTitle = 100; // characters, as the title field takes them

using EntriesByDay = std::map<std::string, std::vector<const ImportedEntry*>>;

// The entries grouped by day, each day's in time order (entries without a time first, in the
// source's order).
EntriesByDay ByDay(const ImportedEntries& entries)
{
    EntriesByDay days;
    for (const ImportedEntry& entry : entries)
        days[DayKey(entry.Date.Year, entry.Date.Month, entry.Date.Day)].push_back(&entry);
    for (auto& [key, day] : days)
        std::stable_sort(day.begin(), day.end(), [](const auto* a, const auto* b) { return a->Time < b->Time; });
    return days;
}

std::optional<size_t> RecordOf(const DiaryText& diary, const std::string& key)
{
    if (!diary.Sorted()) {
        for (size_t i = 0; i < diary.Count(); ++i)
            if (diary[i].starts_with(key))
                return i;
        return std::nullopt;
    }
    const size_t index = diary.Find(key);
    return index < diary.Count() && diary[index].starts_with(key) ? std::optional(index) : std::nullopt;
}

// The title as the diary stores it: one line of at most LongestTitle characters in the code
// page, "@@" and a closing "@" taken out; whole tells whether nothing was lost.
std::string StoredTitle(std::string_view utf8, int codePage, bool& whole)
{
    std::string title;
    size_t characters = 0;
    whole = true;
    for (size_t i = 0; i < utf8.size();) {
        std::string character;
        AppendUtf8(character, NextUtf8(utf8, i));
        if (character == "\n" || character == "\r") {
            whole = utf8.find_first_not_of(" \r\n", i) == std::string_view::npos;
            break;
        }
        if (++characters > LongestTitle) {
            whole = false;
            break;
        }
        const auto bytes = Utf8ToCodePage(character, codePage);
        whole = whole && bytes.has_value();
        title += bytes.value_or("?");
        if (title.ends_with("@@"))
            title.pop_back();
    }
    while (title.ends_with('@'))
        title.pop_back();
    return title;
}

Paragraph TextParagraph(std::string_view utf8, bool bold, bool italic)
{
    TextRun run;
    run.Format.Bold = bold;
    run.Format.Italic = italic;
    ForEachUtf8(utf8, [&run](char32_t c) { AppendUtf16(run.Text, c); });
    Paragraph paragraph;
    paragraph.Runs.push_back(std::move(run));
    return paragraph;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view between)
{
    std::string text;
    for (const auto& part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += between;
        text += part;
    }
    return text;
}

// A separator paragraph before an entry that is not the day's first.
std::string Separator(const std::vector<std::string>& parts, const ImportStyle& style)
{
    RichText text;
    text.Paragraphs.push_back(TextParagraph("\u2014 " + Joined(parts, " \u00B7 ") + " \u2014", false, true));
    return WriteRtf(text, style.CodePage, style.BodyFont);
}

// The entry's body as RTF: the whole title first when it is told nowhere else, the tags last.
std::string EntryBody(const ImportedEntry& entry, bool titleTold, const ImportStyle& style)
{
    RichText text;
    if (!titleTold && !entry.Title.empty())
        text.Paragraphs.push_back(TextParagraph(entry.Title, true, false));
    text.Paragraphs.insert(text.Paragraphs.end(), entry.Body.Paragraphs.begin(), entry.Body.Paragraphs.end());
    if (!entry.Tags.empty())
        text.Paragraphs.push_back(TextParagraph("Tags: " + Joined(entry.Tags, ", "), false, false));
    return WriteRtf(text, style.CodePage, style.BodyFont);
}

// The record of a day: the diary's own when it has one, then each imported entry.
std::string DayRecordOf(const std::vector<const ImportedEntry*>& entries, const std::optional<std::string>& written,
                        const ImportStyle& style)
{
    RtfJoiner joiner(style.CodePage, style.BodyFont);
    std::string title;
    int mood = 0;
    if (written) {
        const DayParts parts = ParseDayRecord(*written);
        title = parts.Title;
        mood = parts.Mood.value_or(0);
        joiner.Append(parts.Body());
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        const ImportedEntry& entry = *entries[i];
        const bool givesTheTitle = !written && i == 0;
        bool whole = true;
        const std::string entryTitle = StoredTitle(entry.Title, style.CodePage, whole);
        if (givesTheTitle) {
            title = entryTitle;
            mood = entry.Mood.value_or(0);
        } else {
            const std::string source = written && i == 0 ? "Imported from " + style.SourceName : "";
            joiner.Append(Separator({source, entry.Time.substr(0, 5), entry.Title}, style));
        }
        joiner.Append(EntryBody(entry, !givesTheTitle || whole, style));
    }
    const DayDate& date = entries.front()->Date;
    return DayRecord(date.Year, date.Month, date.Day, mood, title, joiner.Document());
}

} // namespace

ImportPreview PreviewImport(const DiaryText& diary, const ImportedEntries& entries, int codePage)
{
    ImportPreview preview;
    preview.Entries = entries.size();
    const auto order = [](const DayDate& d) { return std::tuple(d.Year, d.Month, d.Day); };
    for (const ImportedEntry& entry : entries) {
        if (&entry == &entries.front() || order(entry.Date) < order(preview.First))
            preview.First = entry.Date;
        if (&entry == &entries.front() || order(entry.Date) > order(preview.Last))
            preview.Last = entry.Date;
        bool whole = true;
        (void)StoredTitle(entry.Title, codePage, whole);
        preview.ShortenedTitles += whole ? 0 : 1;
    }
    const EntriesByDay days = ByDay(entries);
    preview.Days = days.size();
    for (const auto& [key, day] : days)
        preview.WrittenDays += RecordOf(diary, key) ? 1 : 0;
    return preview;
}

ImportPreview PreviewDiaryImport(const base::text::LineList& theirs, const formats::merge::MergedDiary& merged)
{
    ImportPreview preview;
    const auto order = [](const DayDate& d) { return std::tuple(d.Year, d.Month, d.Day); };
    for (const std::string& record : theirs) {
        const auto date = formats::diary::RecordDate(record);
        if (!date)
            continue;
        if (preview.Entries == 0 || order(*date) < order(preview.First))
            preview.First = *date;
        if (preview.Entries == 0 || order(*date) > order(preview.Last))
            preview.Last = *date;
        ++preview.Entries;
    }
    preview.Days = preview.Entries;
    preview.WrittenDays = merged.TwoTexts.size();
    return preview;
}

std::string ImportQuestion(const ImportPreview& preview)
{
    std::string question = std::to_string(preview.Entries) + (preview.Entries == 1 ? " entry" : " entries");
    if (preview.Entries > 0)
        question += preview.First == preview.Last ? " on " + IsoDate(preview.First)
                                                  : " from " + IsoDate(preview.First) + " to " + IsoDate(preview.Last);
    if (preview.WrittenDays > 0)
        question += "; " + std::to_string(preview.WrittenDays) + " on days already written will hold both texts";
    question += ".";
    if (preview.ShortenedTitles > 0)
        question += " " + std::to_string(preview.ShortenedTitles) +
                    (preview.ShortenedTitles == 1 ? " title is" : " titles are") +
                    " shortened to what the diary holds; the text keeps them whole.";
    return question + " Import?";
}

size_t ApplyImport(DiaryRecords& diary, const ImportedEntries& entries, const ImportStyle& style,
                   const std::function<void(size_t done, size_t total)>& progress)
{
    const EntriesByDay days = ByDay(entries);
    diary.Text.SetSorted(true);
    size_t done = 0;
    for (const auto& [key, day] : days) {
        std::optional<std::string> written;
        if (const auto index = RecordOf(diary.Text, key)) {
            written = diary.Text[*index];
            diary.Text.Delete(*index);
        }
        diary.Text.Add(DayRecordOf(day, written, style));
        if (progress)
            progress(++done, days.size());
    }
    diary.Dirty = diary.Dirty || !days.empty();
    return days.size();
}

} // namespace model::imports
