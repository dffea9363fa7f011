// show and search: the commands that read entries' text.
#include "Command.h"

#include "formats/rtf/RtfReader.h"
#include "platform/locale/Collation.h"
#include "formats/diary/DayRecords.h"
#include "formats/resources/PackedResources.h"
#include "platform/locale/DiaryCodePage.h"

#include <QString>

#include <iostream>
#include <optional>

using base::result::Fail;
using base::text::LineList;
using formats::diary::BodyText;
using formats::diary::DayContainsText;
using formats::diary::DayDate;
using formats::diary::DayLoad;
using formats::diary::DayParts;
using formats::diary::DiaryRecords;
using formats::diary::LoadDay;
using formats::diary::ParseDayRecord;
using formats::resources::PackedResources;
using formats::rtf::PlainText;
using platform::locale::CompareText;
using platform::locale::DiaryCodePage;

namespace tool {
namespace {

// Loads the diary named by the first argument into sorted day records.
bool LoadEntries(const Arguments& arguments, DiaryRecords& diary, int& status)
{
    std::string password;
    LineList lines;
    status = LoadWithPassword(arguments[0], lines, password);
    if (status != 0)
        return false;
    diary.Text.SetSorted(true);
    diary.Text.SetLines(std::move(lines));
    return true;
}

// A date written YYYY-MM-DD.
std::optional<DayDate> ParseDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (const size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const DayDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2))};
    if (date.Month < 1 || date.Month > 12 || date.Day < 1 || date.Day > 31)
        return std::nullopt;
    return date;
}

std::string Folded(const std::string& utf8)
{
    return QString::fromStdString(utf8).toCaseFolded().toStdString();
}

int Show(const Arguments& arguments)
{
    const auto date = arguments.size() == 2 ? ParseDate(arguments[1]) : std::nullopt;
    if (!date)
        return UsageError("show", "show takes FILE and a date written YYYY-MM-DD");
    DiaryRecords diary(CompareText);
    int status = ExitDone;
    if (!LoadEntries(arguments, diary, status))
        return status;
    PackedResources noStore;
    std::string body, title;
    int mood = 0;
    if (LoadDay(diary, noStore, date->Day, date->Month, date->Year, body, title, mood) !=
        DayLoad::Record)
        return Fail(ExitData, "no entry on " + arguments[1]);
    std::cout << "Title: " << ForTerminal(title) << "\nMood: " << mood << "\n\n"
              << PlainText(body, DiaryCodePage()) << '\n';
    return std::cout.flush() ? ExitDone : Fail(ExitIo, "cannot write to standard output");
}

int Search(const Arguments& arguments)
{
    Arguments rest;
    bool ignoreCase = false;
    for (const auto& argument : arguments) {
        if (argument == "--ignore-case" || argument == "-i")
            ignoreCase = true;
        else
            rest.push_back(argument);
    }
    if (rest.size() != 2 || rest[1].empty())
        return UsageError("search", "search takes FILE and a non-empty TEXT");
    DiaryRecords diary(CompareText);
    int status = ExitDone;
    if (!LoadEntries(rest, diary, status))
        return status;
    const auto comparable = [ignoreCase](const std::string& utf8) { return ignoreCase ? Folded(utf8) : utf8; };
    const std::string needle = comparable(rest[1]);
    const BodyText bodyText = [&](std::string_view rtf) {
        return comparable(PlainText(rtf, DiaryCodePage()));
    };
    for (size_t i = 0; i < diary.Text.Count(); ++i) {
        const std::string& line = diary.Text[i];
        const DayParts parts = ParseDayRecord(line);
        const std::string title = ForTerminal(parts.Title);
        if (comparable(title).find(needle) != std::string::npos ||
            (parts.Date &&
             DayContainsText(diary.Text, needle, bodyText, parts.Date->Year, parts.Date->Month, parts.Date->Day)))
            std::cout << line.substr(0, 4) << '-' << line.substr(4, 2) << '-' << line.substr(6, 2) << '\t' << title
                      << '\n';
    }
    return std::cout.flush() ? ExitDone : Fail(ExitIo, "cannot write to standard output");
}

DAYBROOK_TOOL_COMMAND("show", "show FILE YYYY-MM-DD", "Prints the title, mood and text of one day's entry.",
                      "Prints the entry's title and mood number, a blank line and the text of its body as the\n"
                      "diary shows it, without formatting. Exit status 65 when the day has no entry. Needs\n"
                      "the password.\n",
                      Show);
DAYBROOK_TOOL_COMMAND("search", "search [--ignore-case] FILE TEXT",
                      "Lists the entries whose title or text contains TEXT.",
                      "One line per matching entry, oldest first: the date (YYYY-MM-DD) and the title,\n"
                      "separated by a tab. The body is searched in the text the diary shows, not in its\n"
                      "formatting codes. Letter case counts unless --ignore-case (-i) is given. Needs the\n"
                      "password.\n",
                      Search);

} // namespace
} // namespace tool
