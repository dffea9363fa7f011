#include "Command.h"

#include "base/io/FileIdentity.h"
#include "base/io/SafeFile.h"
#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <termios.h>
#include <unistd.h>

using base::io::IsNoSuchFile;
using base::io::StampOf;
using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::text::CodePageToUtf8;
using base::text::LineList;
using base::text::Utf8ToCodePage;
using formats::diary::DiaryLock;
using formats::diary::LoadDiaryFile;
using formats::diary::WipeBytes;
using platform::locale::DiaryCodePage;
using platform::registry::RegistryFile;

namespace tool {

std::vector<Command>& Commands()
{
    static std::vector<Command> commands;
    return commands;
}

int Fail(int status, const std::string& message)
{
    std::cerr << "daybrook-tool: " << message << '\n';
    return status;
}

int ExitStatus(const Failure& failure)
{
    switch (failure.Code) {
    case Reason::Missing:
        return IsNoSuchFile(failure) ? ExitNoFile : ExitUnreadable;
    case Reason::WrongPassword:
        return ExitWrongPassword;
    case Reason::Damaged:
        return ExitDamaged;
    case Reason::WriteFailed:
        return ExitNotWritten;
    case Reason::Refused:
        break;
    }
    return ExitData;
}

int Fail(const std::string& file, const Failure& failure)
{
    return Fail(ExitStatus(failure), file + ": " + failure.Message);
}

int UsageError(const std::string& command, const std::string& problem)
{
    for (const auto& c : Commands())
        if (c.Name == command)
            std::cerr << "daybrook-tool: " << problem << "\nusage: daybrook-tool " << c.Synopsis
                      << "\n(daybrook-tool " << command << " --help tells more)\n";
    return ExitUsage;
}

bool WantsHelp(const std::string& command, const Arguments& arguments)
{
    for (const auto& argument : arguments) {
        if (argument != "--help" && argument != "-h")
            continue;
        for (const auto& c : Commands())
            if (c.Name == command)
                std::cout << "usage: daybrook-tool " << c.Synopsis << "\n\n" << c.Summary << "\n\n" << c.Help;
        return true;
    }
    return false;
}

namespace {

// Reads one line from standard input; on a terminal it asks and does not echo.
bool ReadLine(std::string& line)
{
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (terminal) {
        std::cerr << "Password: " << std::flush;
        ::tcgetattr(STDIN_FILENO, &saved);
        termios silent = saved;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    const bool ok = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::cerr << '\n';
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return ok || !line.empty();
}

// The typed password converted to the diary code page; false (with a message) when it cannot be.
bool ConvertPassword(std::string& typed, std::string& password)
{
    auto converted = Utf8ToCodePage(typed, DiaryCodePage());
    WipeBytes(typed);
    if (!converted) {
        Fail(ExitUsage, "the password holds characters that code page " + std::to_string(DiaryCodePage()) +
                            " cannot store (set DAYBROOK_CODEPAGE to the diary's code page)");
        return false;
    }
    password = std::move(*converted);
    return true;
}

} // namespace

bool ReadPassword(std::string& password)
{
    std::string typed;
    if (const char* fromEnvironment = std::getenv("DAYBROOK_PASSWORD"))
        typed = fromEnvironment;
    else if (!ReadLine(typed))
        typed.clear(); // no input at all: the empty password
    return ConvertPassword(typed, password);
}

int LoadAskingAgain(const std::string& file, LineList& lines, std::string& password, DiaryLock& lock)
{
    auto opened = LoadDiaryFile(file, password);
    while (!opened && opened.Code() == Reason::WrongPassword) {
        std::cerr << "daybrook-tool: " << file << " has another password\n";
        std::string typed;
        if (!ReadLine(typed))
            break;
        if (!ConvertPassword(typed, password))
            return ExitUsage;
        opened = LoadDiaryFile(file, password);
    }
    if (!opened)
        return Fail(file, opened.Error());
    lines = std::move(opened->Lines);
    lock = std::move(opened->Lock);
    return ExitDone;
}

int LoadWithPassword(const std::string& file, LineList& lines, std::string& password, DiaryLock& lock)
{
    if (!ReadPassword(password))
        return ExitUsage;
    auto opened = LoadDiaryFile(file, password);
    if (!opened)
        return Fail(file, opened.Error());
    lines = std::move(opened->Lines);
    lock = std::move(opened->Lock);
    return ExitDone;
}

int LoadWithPassword(const std::string& file, LineList& lines, std::string& password)
{
    DiaryLock lock;
    return LoadWithPassword(file, lines, password, lock);
}

formats::rtf::CharFormat BodyFont()
{
    formats::rtf::CharFormat font;
    font.Font = "Arial";
    font.HalfPoints = 20;
    font.Color = 0;
    return font;
}

std::string ModifiedText(const std::string& file)
{
    const auto stamp = StampOf(file);
    const std::time_t seconds = stamp ? static_cast<std::time_t>(stamp->ModifiedNs / 1'000'000'000) : 0;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string ForTerminal(const std::string& text)
{
    return CodePageToUtf8(text, DiaryCodePage());
}

namespace {
std::filesystem::path settingsFile;
} // namespace

void SetSettingsFile(std::filesystem::path file)
{
    settingsFile = std::move(file);
}

RegistryFile SettingsStore()
{
    return {settingsFile,
            [](const std::string& message) { std::cerr << "daybrook-tool: " << message << '\n'; }};
}

} // namespace tool
