// import: entries of another journal brought into a diary, as the tools window's Import does.
#include "Command.h"

#include "formats/diary/DiaryText.h"
#include "formats/imports/JournalSources.h"
#include "model/imports/DiaryImport.h"
#include "model/imports/SystemLocalTime.h"
#include "platform/locale/Collation.h"
#include "platform/locale/DiaryCodePage.h"

#include <iostream>

using base::result::Status;
using base::text::LineList;
using formats::diary::DiaryLock;
using formats::diary::DiaryRecords;
using formats::diary::SaveDiaryFile;
using formats::diary::WipeBytes;
using formats::imports::JournalKind;
using formats::imports::JournalKindNamed;
using formats::imports::ReadJournal;
using formats::merge::MergedDiary;
using formats::merge::MergeTwoWay;
using formats::merge::OtherCopy;
using model::imports::ApplyImport;
using model::imports::ImportQuestion;
using model::imports::ImportStyle;
using model::imports::PreviewDiaryImport;
using model::imports::PreviewImport;
using model::imports::SystemLocalTime;
using platform::locale::CompareText;
using platform::locale::DiaryCodePage;

namespace tool {
namespace {

// Another diary's records merged in without a common ancestor, as a conflict copy is.
int ImportDiary(const std::string& source, const std::string& diaryFile, bool dryRun)
{
    std::string password;
    if (!ReadPassword(password))
        return ExitUsage;
    LineList ours;
    LineList theirs;
    DiaryLock lock;
    DiaryLock otherLock;
    std::string otherPassword = password;
    int status = LoadAskingAgain(diaryFile, ours, password, lock);
    if (status == ExitDone)
        status = LoadAskingAgain(source, theirs, otherPassword, otherLock);
    WipeBytes(password);
    WipeBytes(otherPassword);
    if (status != ExitDone)
        return status;
    const OtherCopy other{DiaryCodePage(), std::filesystem::path(source).filename().string(), ModifiedText(source)};
    const MergedDiary merged = MergeTwoWay(ours, theirs, other);
    std::cout << ImportQuestion(PreviewDiaryImport(theirs, merged)) << '\n';
    if (dryRun) {
        std::cout << "dry run: " << diaryFile << " is unchanged\n";
        return ExitDone;
    }
    if (const Status saved = SaveDiaryFile(diaryFile, merged.Lines, lock); !saved)
        return Fail(ExitStatus(saved.Error()), diaryFile + ": " + saved.Message() + " (the diary is unchanged)");
    std::cout << "imported " << theirs.size() << " entries into " << merged.CameIn.size() << " days of " << diaryFile
              << '\n';
    return ExitDone;
}

int Import(const Arguments& given)
{
    Arguments arguments = given;
    std::optional<JournalKind> kind;
    bool dryRun = false;
    while (!arguments.empty() && arguments[0].starts_with("--")) {
        if (arguments[0] == "--from" && arguments.size() > 1) {
            kind = JournalKindNamed(arguments[1]);
            arguments.erase(arguments.begin(), arguments.begin() + 2);
        } else if (arguments[0] == "--dry-run") {
            dryRun = true;
            arguments.erase(arguments.begin());
        } else {
            return UsageError("import", "unknown option " + arguments[0]);
        }
    }
    if (!kind)
        return UsageError("import", "--from takes jrnl, dayone, markdown or daybrook");
    if (arguments.size() != 2)
        return UsageError("import", "import takes --from KIND, SOURCE and DIARY");
    const std::string& source = arguments[0];
    const std::string& diaryFile = arguments[1];
    if (*kind == JournalKind::Daybrook)
        return ImportDiary(source, diaryFile, dryRun);

    const auto entries = ReadJournal(*kind, source, SystemLocalTime);
    if (!entries)
        return Fail(ExitStatus(entries.Error()), entries.Message() + "; nothing was imported");
    std::string password;
    LineList lines;
    DiaryLock lock;
    if (const int status = LoadWithPassword(diaryFile, lines, password, lock); status != 0)
        return status;
    DiaryRecords diary(CompareText);
    diary.Text.SetLines(std::move(lines));
    diary.Text.SetSorted(true);
    std::cout << ImportQuestion(PreviewImport(diary.Text, *entries, DiaryCodePage())) << '\n';
    if (dryRun) {
        std::cout << "dry run: " << diaryFile << " is unchanged\n";
        return ExitDone;
    }
    const ImportStyle style{DiaryCodePage(), BodyFont(), std::filesystem::path(source).filename().string()};
    const size_t days = ApplyImport(diary, *entries, style);
    if (const Status saved = SaveDiaryFile(diaryFile, diary.Text.Lines(), lock); !saved)
        return Fail(ExitStatus(saved.Error()), diaryFile + ": " + saved.Message() + " (the diary is unchanged)");
    std::cout << "imported " << entries->size() << " entries into " << days << " days of " << diaryFile << '\n';
    return ExitDone;
}

DAYBROOK_TOOL_COMMAND(
    "import", "import --from jrnl|dayone|markdown|daybrook [--dry-run] SOURCE DIARY",
    "Brings the entries of another journal into a diary.",
    "SOURCE is jrnl's JSON export (jrnl), a Day One export zip (dayone) or a folder of\n"
    "Markdown daily notes YYYY-MM-DD*.md (markdown) or another diary of either format\n"
    "(daybrook: merged by day as `merge` does without BASE). Entries of one day become that day's\n"
    "one entry, in time order; a day already written keeps its text and gets the imported\n"
    "text after it; tags go to a last line \"Tags: ...\". Prints what will happen first;\n"
    "--dry-run stops there. A source with a bad entry is refused whole, naming the entry.\n"
    "DIARY is written safely in its own format. Needs the diary's password.\n",
    Import);

} // namespace
} // namespace tool
