// birthdays list and birthdays import: the keeper's list in backup files and in the working
// store, as lines or as JSON, and backup files made from JSON.
#include "Command.h"

#include "base/dates/CalendarDate.h"
#include "base/text/CodePage.h"
#include "base/io/SafeFile.h"
#include "formats/birthdays/BirthdayStream.h"
#include "model/birthdays/BirthDate.h"
#include "model/birthdays/BirthdayBook.h"
#include "platform/locale/DiaryCodePage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>

using base::dates::Date;
using base::dates::DecodeDate;
using base::dates::IsInDateRange;
using base::io::IsNoSuchFile;
using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::result::Result;
using base::result::Status;
using base::text::Utf8ToCodePage;
using formats::birthdays::EntryStreamWriter;
using formats::birthdays::EntryValues;
using formats::birthdays::ReadEntryStream;
using formats::birthdays::StreamContent;
using model::birthdays::ReadWorkingStore;
using model::birthdays::UnknownYear;
using platform::locale::DiaryCodePage;
using platform::registry::ParseRegText;
using platform::registry::RegDocument;

namespace tool {
namespace {

using formats::birthdays::EntryValues;

// The stored bytes named by the arguments: a backup file, or the working store (--registry).
bool ReadStream(const std::string& source, std::string& bytes, int& status)
{
    if (source == "--registry") {
        // Only looked at: a damaged settings file is reported, not set aside as the program does.
        const std::filesystem::path& file = SettingsStore().File;
        const auto text = ReadWhole(file);
        std::string why;
        if (!text && !IsNoSuchFile(text.Error())) {
            status = Fail(file.string(), text.Error());
            return false;
        }
        if (const auto document =
                text && !text->empty() ? ParseRegText(*text) : Result<RegDocument>(RegDocument{});
            !document) {
            status = Fail(ExitData, file.string() + ": " + document.Message());
            return false;
        }
        auto stored = ReadWorkingStore(SettingsStore());
        if (!stored) {
            status = Fail(ExitData, "the birthday list in the settings: " + stored.Message());
            return false;
        }
        bytes = std::move(*stored);
        if (bytes.empty())
            bytes = EntryStreamWriter(DiaryCodePage()).Finish();
        return true;
    }
    auto read = ReadWhole(source);
    if (!read) {
        status = Fail(source, read.Error());
        return false;
    }
    bytes = std::move(*read);
    return true;
}

// YYYY-MM-DD, "????" for the unknown year, dashes for an entry without a date.
std::string DateText(double birthDate)
{
    if (birthDate == 0 || !IsInDateRange(birthDate))
        return "----------";
    const Date date = DecodeDate(birthDate);
    char text[16];
    if (date.Year == UnknownYear)
        std::snprintf(text, sizeof text, "?\?\?\?-%02d-%02d", date.Month, date.Day);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

// Text on one line: tabs, line breaks and backslashes written as \t, \r, \n and \\.
std::string OneLine(const std::string& utf8)
{
    std::string out;
    for (const char c : utf8) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string JsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

// The shortest text that reads back as the same number; whole numbers end in ".0".
std::string JsonNumber(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string number(text, end);
    if (number.find_first_of(".e") == std::string::npos)
        number += ".0";
    return number;
}

std::string JsonListing(const std::vector<EntryValues>& entries)
{
    std::string out = "{\n \"codepage\": " + std::to_string(DiaryCodePage()) + ",\n \"entries\": [";
    for (size_t i = 0; i < entries.size(); ++i) {
        const EntryValues& entry = entries[i];
        out += i == 0 ? "\n" : ",\n";
        out += "  {\n   \"full_name\": " + JsonString(ForTerminal(entry.FullName)) +
               ",\n   \"birth_date\": " + JsonNumber(entry.BirthDate) +
               ",\n   \"icon\": " + std::to_string(entry.Icon) +
               ",\n   \"notes\": " + JsonString(ForTerminal(entry.Notes)) + "\n  }";
    }
    return out + (entries.empty() ? "]\n}\n" : "\n ]\n}\n");
}

int List(const Arguments& arguments)
{
    const bool json = !arguments.empty() && arguments[0] == "--json";
    if (arguments.size() != (json ? 2u : 1u))
        return UsageError("birthdays", "birthdays list takes [--json] and FILE.bbk or --registry");
    std::string bytes;
    int status = 0;
    if (!ReadStream(arguments.back(), bytes, status))
        return status;
    const StreamContent content = ReadEntryStream(bytes, DiaryCodePage());
    if (!content.Status)
        return Fail(ExitData, arguments.back() + ": " + content.Status.Message());
    if (json) {
        std::cout << JsonListing(content.Entries);
    } else {
        for (const EntryValues& entry : content.Entries)
            std::cout << DateText(entry.BirthDate) << '\t' << OneLine(ForTerminal(entry.FullName)) << '\t'
                      << OneLine(ForTerminal(entry.Notes)) << '\n';
    }
    return std::cout.flush() ? 0 : Fail(ExitIo, "cannot write to standard output");
}

// JSON input that cannot become a birthday list, with what to tell the user.
Failure Refused(std::string message)
{
    return Fail(Reason::Refused, std::move(message));
}

Result<std::string> TextField(const QJsonObject& object, const char* key, const std::string& where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return std::string();
    if (!value.isString())
        return Refused(where + ": \"" + key + "\" is not a text");
    const std::string utf8 = value.toString().toStdString();
    auto text = Utf8ToCodePage(utf8, DiaryCodePage());
    if (!text)
        return Refused(where + ": \"" + key + "\" (" + utf8 + ") holds characters that code page " +
                       std::to_string(DiaryCodePage()) +
                       " cannot store (set DAYBROOK_CODEPAGE to the code page of the list)");
    return std::move(*text);
}

Result<double> DateField(const QJsonObject& object, const std::string& where)
{
    const QJsonValue value = object.value(QLatin1String("birth_date"));
    if (value.isUndefined())
        return 0.0;
    const double date = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || !std::isfinite(date) || (date != 0 && !IsInDateRange(date)))
        return Refused(where + ": \"birth_date\" is not a date (days since 1899-12-30, years 1 to 9999)");
    return date;
}

Result<int32_t> IconField(const QJsonObject& object, const std::string& where)
{
    const QJsonValue value = object.value(QLatin1String("icon"));
    if (value.isUndefined())
        return -1;
    const double number = value.toDouble(0.5);
    if (!value.isDouble() || number != std::trunc(number) || number < INT32_MIN || number > INT32_MAX)
        return Refused(where + ": \"icon\" is not a whole number of 32 bits");
    return static_cast<int32_t>(number);
}

// An entry of the list; fields are read in the order the entry stores them, the first fault
// found is the one told.
Result<EntryValues> JsonEntry(const QJsonObject& object, const std::string& where)
{
    auto fullName = TextField(object, "full_name", where);
    if (!fullName)
        return fullName.Error();
    const auto birthDate = DateField(object, where);
    if (!birthDate)
        return birthDate.Error();
    const auto icon = IconField(object, where);
    if (!icon)
        return icon.Error();
    auto notes = TextField(object, "notes", where);
    if (!notes)
        return notes.Error();
    return EntryValues{std::move(*fullName), *birthDate, *icon, std::move(*notes)};
}

Result<std::vector<EntryValues>> ParseJsonList(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull())
        return Refused("not JSON (" + error.errorString().toStdString() + " at byte " +
                       std::to_string(error.offset) + ")");
    if (!document.isObject() || !document.object().value(QLatin1String("entries")).isArray())
        return Refused("not a birthday list: no \"entries\" array");
    std::vector<EntryValues> entries;
    const QJsonArray list = document.object().value(QLatin1String("entries")).toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const std::string where = "entry " + std::to_string(i + 1);
        if (!list[i].isObject())
            return Refused(where + " is not an object");
        auto entry = JsonEntry(list[i].toObject(), where);
        if (!entry)
            return entry.Error();
        entries.push_back(std::move(*entry));
    }
    return entries;
}

int Import(const Arguments& arguments)
{
    if (arguments.size() != 2)
        return UsageError("birthdays", "birthdays import takes FILE.json and OUT.bbk");
    QFile file(QString::fromStdString(arguments[0]));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(file.exists() ? ExitUnreadable : ExitNoFile, arguments[0] + ": cannot be read");
    const auto parsed = ParseJsonList(file.readAll());
    if (!parsed)
        return Fail(ExitData, arguments[0] + ": " + parsed.Message());
    const std::vector<EntryValues>& entries = *parsed;
    EntryStreamWriter writer(DiaryCodePage());
    for (const EntryValues& entry : entries)
        writer.Add(entry);
    if (const Status written = WriteWhole(arguments[1], writer.Finish()); !written)
        return Fail(ExitIo, arguments[1] + ": " + written.Message());
    std::cout << arguments[1] << ": " << entries.size() << " entries written\n";
    return 0;
}

int Birthdays(const Arguments& arguments)
{
    const Arguments rest(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end());
    if (!arguments.empty() && arguments[0] == "list")
        return List(rest);
    if (!arguments.empty() && arguments[0] == "import")
        return Import(rest);
    return UsageError("birthdays", "birthdays takes list or import");
}

DAYBROOK_TOOL_COMMAND(
    "birthdays", "birthdays list [--json] FILE.bbk|--registry | birthdays import FILE.json OUT.bbk",
    "Lists the birthday keeper's entries, or writes a backup file from a JSON list.",
    "list reads a birthday backup file, or with --registry the keeper's working list in the\n"
    "settings file (DAYBROOK_REGISTRY, else ~/.config/daybrook/registry.reg). It prints one\n"
    "line per entry in list order: the date (YYYY-MM-DD, ?\?\?\?-MM-DD when the year is not known,\n"
    "dashes without a date), the name and the notes, separated by tabs; tabs, line breaks and\n"
    "backslashes inside them are written \\t, \\r, \\n and \\\\. With --json it prints\n"
    "{\"codepage\": N, \"entries\": [{\"full_name\", \"birth_date\", \"icon\", \"notes\"}, ...]}, the date\n"
    "as days since 1899-12-30 (the year 1004 stands for an unknown year), text as UTF-8.\n"
    "A list that cannot be read whole is not listed at all: its fault goes to standard error and\n"
    "the exit status is 65.\n\n"
    "import reads such a JSON list and writes OUT.bbk, a backup the keeper restores. Text is\n"
    "converted to the code page (DAYBROOK_CODEPAGE, else the locale's); text it cannot hold is\n"
    "refused (exit status 65) and nothing is written.\n",
    Birthdays);

} // namespace
} // namespace tool
