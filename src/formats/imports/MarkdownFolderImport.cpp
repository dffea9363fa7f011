#include "formats/imports/JournalSources.h"

#include "base/io/SafeFile.h"
#include "base/text/Base64.h"
#include "formats/diary/MoodNames.h"
#include "formats/imports/FrontMatter.h"
#include "formats/imports/MarkdownText.h"

#include <algorithm>
#include <system_error>

using base::io::ReadWhole;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::text::FromBase64;
using formats::diary::MoodNamed;

namespace formats::imports {

namespace {

// Daily notes are named for their day: YYYY-MM-DD, anything, ".md".
bool IsDailyNoteName(const std::string& name)
{
    return name.size() >= 13 && name.ends_with(".md") && ParseIsoDate(name).has_value();
}

std::string FirstValue(const FrontMatter& matter, const char* key)
{
    const auto found = matter.Values.find(key);
    return found == matter.Values.end() || found->second.empty() ? std::string() : found->second.front();
}

// The first line of the body when it is an ATX heading: its text, and the body without it.
std::string TakeHeading(std::string_view& body)
{
    size_t at = 0;
    while (at < body.size() && (body[at] == '\n' || body[at] == '\r'))
        ++at;
    if (at >= body.size() || body[at] != '#')
        return {};
    const size_t end = std::min(body.find('\n', at), body.size());
    std::string_view line = body.substr(at, end - at);
    while (!line.empty() && line.front() == '#')
        line.remove_prefix(1);
    if (!line.empty() && line.front() != ' ' && line.front() != '\t')
        return {}; // "#tag", not a heading
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '#'))
        line.remove_suffix(1);
    body = body.substr(std::min(end + 1, body.size()));
    return std::string(line);
}

// A picture an image of a note shows: a PNG or JPEG file of the note's folder (not above it) or
// a data: address; otherwise the image's text in brackets.
formats::rtf::TextRun NoteImage(const std::filesystem::path& folder, std::string_view address, std::u16string_view alt)
{
    std::optional<std::string> bytes;
    if (const size_t comma = address.find(";base64,"); address.starts_with("data:image/") && comma != address.npos) {
        bytes = FromBase64(address.substr(comma + 8));
    } else if (address.find(':') == address.npos && !address.starts_with('/')) {
        const std::filesystem::path relative = std::filesystem::path(address).lexically_normal();
        std::error_code error;
        if (!relative.empty() && *relative.begin() != ".." &&
            std::filesystem::file_size(folder / relative, error) <= MaxPictureBytes && !error)
            if (auto read = ReadWhole(folder / relative))
                bytes = std::move(*read);
    }
    if (bytes)
        if (auto picture = PictureOfFile(std::move(*bytes)))
            return PictureRun(std::move(*picture));
    formats::rtf::TextRun mark;
    mark.Text = u"[" + std::u16string(alt) + u"]";
    return mark;
}

Result<ImportedEntry> ReadNote(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    std::error_code error;
    if (std::filesystem::file_size(file, error) > MaxSourceBytes)
        return Fail(Reason::Refused, name + ": larger than the 256 MB a note may have");
    const auto bytes = ReadWhole(file);
    if (!bytes)
        return Fail(bytes.Code(), name + ": " + bytes.Message());
    const FrontMatter matter = ReadFrontMatter(*bytes);
    ImportedEntry entry;
    const std::string dateText = FirstValue(matter, "date");
    const auto date = dateText.empty() ? ParseIsoDate(name) : ParseIsoDate(dateText);
    if (!date)
        return Fail(Reason::Refused, name + ": the date \"" + dateText + "\" is not a day of the calendar");
    entry.Date = *date;
    entry.Where = name;
    if (dateText.size() > 11 && (dateText[10] == 'T' || dateText[10] == ' '))
        entry.Time = dateText.substr(11, 8);
    std::string_view body = matter.Body;
    entry.Title = FirstValue(matter, "title");
    if (entry.Title.empty())
        entry.Title = TakeHeading(body);
    if (const auto tags = matter.Values.find("tags"); tags != matter.Values.end())
        entry.Tags = tags->second;
    entry.Mood = MoodNamed(FirstValue(matter, "mood"));
    entry.Body = MarkdownToRichText(body, [&](std::string_view address, std::u16string_view alt) {
        return NoteImage(file.parent_path(), address, alt);
    });
    return entry;
}

} // namespace

Result<ImportedEntries> ReadMarkdownFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> notes;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file() && IsDailyNoteName(it->path().filename().string()))
            notes.push_back(it->path());
    if (error)
        return Fail(Reason::Missing, folder.string() + ": cannot be read (" + error.message() + ")");
    if (notes.empty())
        return Fail(Reason::Refused, folder.string() + ": holds no daily notes (YYYY-MM-DD.md)");
    std::sort(notes.begin(), notes.end());
    ImportedEntries entries;
    for (const auto& note : notes) {
        auto entry = ReadNote(note);
        if (!entry)
            return Fail(entry.Code(), folder.string() + "/" + entry.Message());
        entries.push_back(std::move(*entry));
    }
    return entries;
}

} // namespace formats::imports
