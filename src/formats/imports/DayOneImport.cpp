#include "formats/imports/JournalSources.h"

#include "base/dates/CalendarDate.h"
#include "formats/imports/JsonFields.h"
#include "formats/imports/MarkdownText.h"

#include <zip.h>

#include <map>
#include <memory>
#include <system_error>

using base::dates::EncodeDate;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using formats::diary::DayDate;

namespace formats::imports {

namespace {

constexpr std::string_view MomentScheme = "dayone-moment://";

struct ZipClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Zip = std::unique_ptr<zip_t, ZipClose>;

// 1970-01-01 in days since 1899-12-30, the count EncodeDate gives.
constexpr int64_t UnixEpochDay = 25569;

// "YYYY-MM-DDTHH:MM:SSZ" (seconds and the zone letter may carry fractions or be "+00:00").
std::optional<int64_t> UtcSeconds(std::string_view text)
{
    const auto date = ParseIsoDate(text);
    if (!date || text.size() < 19 || text[10] != 'T' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    int fields[3] = {};
    for (int i = 0; i < 3; ++i) {
        const char high = text[11 + 3 * i];
        const char low = text[12 + 3 * i];
        if (high < '0' || high > '9' || low < '0' || low > '9')
            return std::nullopt;
        fields[i] = (high - '0') * 10 + (low - '0');
    }
    const auto days = static_cast<int64_t>(EncodeDate(date->Year, date->Month, date->Day)) - UnixEpochDay;
    return days * 86400 + fields[0] * 3600 + fields[1] * 60 + fields[2];
}

std::optional<std::string> ReadMember(zip_t* archive, const std::string& name)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        stat.size > MaxSourceBytes)
        return std::nullopt;
    zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
    if (file == nullptr)
        return std::nullopt;
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        return std::nullopt;
    return bytes;
}

// The journal's JSON: the first member at the top of the archive whose name ends in ".json".
std::optional<std::string> JournalName(zip_t* archive)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        const std::string_view member = name == nullptr ? "" : name;
        if (member.ends_with(".json") && member.find('/') == std::string_view::npos)
            return std::string(member);
    }
    return std::nullopt;
}

// The first line as the title (heading marks taken off) and the rest as the body.
void SplitTitle(std::string_view text, std::string& title, std::string_view& body)
{
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view first = text.substr(0, end);
    while (!first.empty() && (first.front() == '#' || first.front() == ' '))
        first.remove_prefix(1);
    while (!first.empty() && (first.back() == '\r' || first.back() == ' '))
        first.remove_suffix(1);
    title = std::string(first);
    body = text.substr(std::min(end + 1, text.size()));
}

class DayOneReader {
public:
    DayOneReader(zip_t* archive, std::string fileName, const LocalTime& localTime)
        : archive_(archive), fileName_(std::move(fileName)), localTime_(localTime)
    {
    }

    Result<ImportedEntry> Entry(const nlohmann::json& entry, size_t index)
    {
        const std::string where = fileName_ + ", entry " + std::to_string(index + 1);
        const std::string created = StringField(entry, "creationDate").value_or("");
        const auto seconds = UtcSeconds(created);
        if (!seconds)
            return Fail(Reason::Refused, where + ": the date \"" + created + "\" is not a day of the calendar");
        const std::string zone = StringField(entry, "timeZone").value_or("UTC");
        const auto local = localTime_(*seconds, zone);
        if (!local || !IsDiaryDate(local->Date))
            return Fail(Reason::Refused, where + ": the date \"" + created + "\" in " + zone +
                                             " is not a day of the calendar");
        auto photos = Photos(entry, where);
        if (!photos)
            return photos.Error();
        ImportedEntry imported;
        imported.Date = local->Date;
        imported.Time = local->Time;
        imported.Where = "entry " + std::to_string(index + 1) + " (" + created + ")";
        imported.Tags = StringList(entry, "tags");
        std::string_view body;
        const std::string text = StringField(entry, "text").value_or("");
        SplitTitle(text, imported.Title, body);
        imported.Body = MarkdownToRichText(body, [&](std::string_view address, std::u16string_view alt) {
            const auto photo = photos->find(std::string(address.substr(std::min(address.size(), MomentScheme.size()))));
            if (address.starts_with(MomentScheme) && photo != photos->end())
                if (auto picture = PictureOfFile(photo->second))
                    return PictureRun(std::move(*picture));
            formats::rtf::TextRun mark;
            mark.Text = alt.empty() ? u"[photo]" : u"[" + std::u16string(alt) + u"]";
            return mark;
        });
        return imported;
    }

private:
    // The bytes of the entry's photos by identifier; every one must be in the archive.
    Result<std::map<std::string, std::string>> Photos(const nlohmann::json& entry, const std::string& where)
    {
        std::map<std::string, std::string> photos;
        const nlohmann::json* list = ArrayField(entry, "photos");
        if (list == nullptr)
            return photos;
        for (const auto& photo : *list) {
            const std::string md5 = StringField(photo, "md5").value_or("");
            const std::string type = StringField(photo, "type").value_or("jpeg");
            const std::string member = "photos/" + md5 + "." + type;
            auto bytes = md5.empty() ? std::nullopt : ReadMember(archive_, member);
            if (!bytes)
                return Fail(Reason::Damaged, where + ": the photo " + member + " is missing from the export");
            photos[StringField(photo, "identifier").value_or(md5)] = std::move(*bytes);
        }
        return photos;
    }

    zip_t* archive_;
    std::string fileName_;
    const LocalTime& localTime_;
};

} // namespace

Result<ImportedEntries> ReadDayOne(const std::filesystem::path& zipFile, const LocalTime& localTime)
{
    const std::string fileName = zipFile.filename().string();
    std::error_code error;
    if (std::filesystem::file_size(zipFile, error) > MaxSourceBytes && !error)
        return Fail(Reason::Refused, fileName + ": larger than the 256 MB an export may have");
    int zipError = 0;
    const Zip archive(zip_open(zipFile.c_str(), ZIP_RDONLY, &zipError));
    if (!archive)
        return Fail(zipError == ZIP_ER_NOENT || zipError == ZIP_ER_OPEN ? Reason::Missing : Reason::Damaged,
                    fileName + ": not a zip archive, or damaged");
    const auto journal = JournalName(archive.get());
    const auto json = journal ? ReadMember(archive.get(), *journal) : std::nullopt;
    if (!json)
        return Fail(Reason::Damaged, fileName + ": not a Day One export (no journal JSON in it)");
    auto document = ParseJson(*json, fileName + "/" + *journal);
    if (!document)
        return document.Error();
    const nlohmann::json* entries = ArrayField(*document, "entries");
    if (entries == nullptr)
        return Fail(Reason::Damaged, fileName + ": not a Day One export (" + *journal + " has no entries)");
    DayOneReader reader(archive.get(), fileName, localTime);
    ImportedEntries imported;
    for (size_t i = 0; i < entries->size(); ++i) {
        auto entry = reader.Entry((*entries)[i], i);
        if (!entry)
            return entry.Error();
        imported.push_back(std::move(*entry));
    }
    return imported;
}

} // namespace formats::imports
