// The subcommands of daybrook-tool. Each source file of this folder defines one and registers
// it with DAYBROOK_TOOL_COMMAND; main() dispatches on the first argument.
#pragma once

#include "base/result/Result.h"
#include "formats/diary/DiaryFormat.h"
#include "formats/rtf/RichText.h"
#include "platform/registry/Registry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tool {

using Arguments = std::vector<std::string>;

struct Command {
    std::string Name;
    std::string Synopsis; // "list FILE"
    std::string Summary;  // one line for the overview
    std::string Help;     // the rest of `<command> --help`
    int (*Run)(const Arguments& arguments);
};

std::vector<Command>& Commands();

struct Registration {
    explicit Registration(Command command) { Commands().push_back(std::move(command)); }
};

// Exit statuses: done, the failures of a diary file, then those of sysexits.h.
constexpr int ExitDone = 0;
constexpr int ExitNoFile = 1;
constexpr int ExitUnreadable = 2;
constexpr int ExitWrongPassword = 3;
constexpr int ExitDamaged = 4;
constexpr int ExitNotWritten = 5;
constexpr int ExitUsage = 64;
constexpr int ExitData = 65;
constexpr int ExitIo = 74;

// Prints "daybrook-tool: <message>" to standard error and returns status.
int Fail(int status, const std::string& message);
// The exit status of a file's failure: 1 to 5 by its reason (a file that is there but cannot
// be read is 2), 65 for refused data.
int ExitStatus(const base::result::Failure& failure);
// Prints "daybrook-tool: <file>: <the failure's message>" and returns its exit status.
int Fail(const std::string& file, const base::result::Failure& failure);
// Prints the usage line of a command with a hint to --help; returns ExitUsage.
int UsageError(const std::string& command, const std::string& problem);
// True when the arguments ask for the command's help (which is then printed).
bool WantsHelp(const std::string& command, const Arguments& arguments);

// Reads the password — DAYBROOK_PASSWORD or, when that is unset, one line of standard input
// (without echo on a terminal), converted to the diary code page — and loads the diary, plain
// or sealed, with it. On failure prints a clear message and returns the exit status (the load
// result, or ExitUsage for a password the code page cannot store); 0 when done. lock tells
// the file's format, with the key of a sealed file.
int LoadWithPassword(const std::string& file, base::text::LineList& lines, std::string& password,
                     formats::diary::DiaryLock& lock);
int LoadWithPassword(const std::string& file, base::text::LineList& lines, std::string& password);
// The font the tool writes new text in, as a new diary's body: black 10-point Arial.
formats::rtf::CharFormat BodyFont();

// When the file was last written, as "YYYY-MM-DD HH:MM" of local time.
std::string ModifiedText(const std::string& file);

// The password as LoadWithPassword reads it; false (with a message) when the code page cannot
// hold it.
bool ReadPassword(std::string& password);
// Loads the diary with the password; while the file was written with another one, reads that
// one from standard input (password becomes it). 0 when done, else the exit status.
int LoadAskingAgain(const std::string& file, base::text::LineList& lines, std::string& password,
                    formats::diary::DiaryLock& lock);

// Diary text (code page bytes) as UTF-8 for the terminal.
std::string ForTerminal(const std::string& text);

// The user's settings file, as main() found it in the environment.
void SetSettingsFile(std::filesystem::path file);
// The settings store over that file; problems with the file itself are told on standard error.
platform::registry::RegistryFile SettingsStore();

} // namespace tool

#define DAYBROOK_TOOL_CONCAT2(a, b) a##b
#define DAYBROOK_TOOL_CONCAT(a, b) DAYBROOK_TOOL_CONCAT2(a, b)
#define DAYBROOK_TOOL_COMMAND(...)                                                                           \
    static const tool::Registration DAYBROOK_TOOL_CONCAT(command_, __LINE__)(tool::Command{__VA_ARGS__})
