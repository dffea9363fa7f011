#include "Command.h"

#include "base/io/SafeFile.h"
#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <termios.h>
#include <unistd.h>

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

int ExitStatus(const result::Failure& failure)
{
    switch (failure.Code) {
    case result::Reason::Missing:
        return safefile::IsNoSuchFile(failure) ? ExitNoFile : ExitUnreadable;
    case result::Reason::WrongPassword:
        return ExitWrongPassword;
    case result::Reason::Damaged:
        return ExitDamaged;
    case result::Reason::WriteFailed:
        return ExitNotWritten;
    case result::Reason::Refused:
        break;
    }
    return ExitData;
}

int Fail(const std::string& file, const result::Failure& failure)
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

// The password converted to the diary code page; false (with a message) when it cannot be.
bool ReadPassword(std::string& password)
{
    std::string typed;
    if (const char* fromEnvironment = std::getenv("DAYBROOK_PASSWORD"))
        typed = fromEnvironment;
    else if (!ReadLine(typed))
        typed.clear(); // no input at all: the empty password
    auto converted = codepage::Utf8ToCodePage(typed, platform::DiaryCodePage());
    WipeBytes(typed);
    if (!converted) {
        Fail(ExitUsage, "the password holds characters that code page " +
                            std::to_string(platform::DiaryCodePage()) +
                            " cannot store (set DAYBROOK_CODEPAGE to the diary's code page)");
        return false;
    }
    password = std::move(*converted);
    return true;
}

} // namespace

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

std::string ForTerminal(const std::string& text)
{
    return codepage::CodePageToUtf8(text, platform::DiaryCodePage());
}

namespace {
std::filesystem::path settingsFile;
} // namespace

void SetSettingsFile(std::filesystem::path file)
{
    settingsFile = std::move(file);
}

platform::RegistryFile SettingsStore()
{
    return {settingsFile,
            [](const std::string& message) { std::cerr << "daybrook-tool: " << message << '\n'; }};
}

} // namespace tool
