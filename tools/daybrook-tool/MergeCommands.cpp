// merge and conflicts: two copies of a diary merged by day, and the conflict copies sync
// engines left beside the diaries of a folder.
#include "Command.h"

#include "formats/merge/ConflictCopy.h"
#include "formats/merge/DayMerge.h"
#include "platform/files/ListFiles.h"
#include "platform/locale/DiaryCodePage.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>

using base::result::Status;
using base::text::LineList;
using formats::diary::DiaryLock;
using formats::diary::IsoDate;
using formats::diary::SaveDiaryFile;
using formats::diary::WipeBytes;
using formats::merge::ConflictCopyOf;
using formats::merge::MergedDiary;
using formats::merge::MergeThreeWay;
using formats::merge::MergeTwoWay;
using formats::merge::OtherCopy;
using platform::files::ListFiles;
using platform::locale::DiaryCodePage;

namespace tool {
namespace {

int Merge(const Arguments& arguments)
{
    std::optional<std::string> base;
    Arguments files;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--base" && i + 1 < arguments.size())
            base = arguments[++i];
        else
            files.push_back(arguments[i]);
    }
    if (files.size() != 3)
        return UsageError("merge", "merge takes OURS, THEIRS and OUT");
    std::string password;
    if (!ReadPassword(password))
        return ExitUsage;
    LineList ours;
    LineList theirs;
    LineList common;
    DiaryLock lock;
    DiaryLock otherLock;
    std::string oursPassword = password;
    std::string theirsPassword = password;
    int status = LoadAskingAgain(files[0], ours, oursPassword, lock);
    if (status == ExitDone)
        status = LoadAskingAgain(files[1], theirs, theirsPassword, otherLock);
    if (status == ExitDone && base)
        status = LoadAskingAgain(*base, common, password, otherLock);
    WipeBytes(password);
    WipeBytes(oursPassword);
    WipeBytes(theirsPassword);
    if (status != ExitDone)
        return status;

    const OtherCopy other{DiaryCodePage(), std::filesystem::path(files[1]).filename().string(), ModifiedText(files[1])};
    const MergedDiary merged = base ? MergeThreeWay(common, ours, theirs, other) : MergeTwoWay(ours, theirs, other);
    if (const Status saved = SaveDiaryFile(files[2], merged.Lines, lock); !saved)
        return Fail(ExitStatus(saved.Error()), files[2] + ": " + saved.Message() + " (any previous file is unchanged)");
    std::cout << "merged " << merged.Lines.size() << " records into " << files[2] << "; " << merged.CameIn.size()
              << (merged.CameIn.size() == 1 ? " day" : " days") << " came in from " << files[1] << '\n';
    for (const auto& date : merged.TwoTexts)
        std::cout << IsoDate(date) << " holds two texts\n";
    return ExitDone;
}

int Conflicts(const Arguments& arguments)
{
    if (arguments.size() != 1)
        return UsageError("conflicts", "conflicts takes FOLDER");
    const auto names = ListFiles(arguments[0], "*.dry");
    if (!names)
        return Fail(ExitStatus(names.Error()), names.Message());
    std::map<std::string, std::vector<std::string>> copies; // by the diary's name
    for (const auto& name : *names)
        if (const auto diary = ConflictCopyOf(name))
            copies[*diary].push_back(name);
        else
            copies.try_emplace(name);
    for (const auto& [diary, itsCopies] : copies) {
        const bool present = std::find(names->begin(), names->end(), diary) != names->end();
        std::cout << ForTerminal(diary) << (present ? "" : " (not there)") << ": " << itsCopies.size()
                  << (itsCopies.size() == 1 ? " conflict copy\n" : " conflict copies\n");
        for (const auto& copy : itsCopies)
            std::cout << "  " << ForTerminal(copy) << '\n';
    }
    return ExitDone;
}

DAYBROOK_TOOL_COMMAND(
    "merge", "merge [--base BASE] OURS THEIRS OUT", "Merges two copies of a diary by day into OUT.",
    "Days changed in one copy only are taken from it; days written differently in both keep\n"
    "OURS' title and mood and both bodies, THEIRS' under a paragraph naming it. With BASE (the\n"
    "content both copies started from) each copy's new, edited and deleted days are taken and a\n"
    "deletion against an edit keeps the edit; without it every day of both is kept. OUT is\n"
    "written in OURS' format with OURS' password, safely; the inputs are not changed. A file\n"
    "with another password asks for it on standard input.\n",
    Merge);
DAYBROOK_TOOL_COMMAND("conflicts", "conflicts FOLDER", "Lists each diary of FOLDER with its conflict copies.",
                      "Names the conflict copies that sync engines leave beside a diary\n"
                      "(\"Journal.sync-conflict-...\", \"Journal (conflicted copy ...)\",\n"
                      "\"Journal_conflict-...\", \"Journal (...'s conflicted copy ...)\") under the diary they\n"
                      "belong to; `merge` merges one into its diary.\n",
                      Conflicts);

} // namespace
} // namespace tool
