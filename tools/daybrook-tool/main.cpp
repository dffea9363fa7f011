// daybrook-tool: checks, lists, dumps and copies diary files, and runs the raw codec, for
// users who script their backups or need to rescue a diary.
#include "Command.h"

#include "platform/locale/DiaryCodePage.h"
#include "platform/environment/Environment.h"

#include <iostream>

using platform::environment::Environment;
using platform::environment::ReadEnvironment;
using platform::locale::SetDiaryCodePage;

namespace {

int Overview(std::ostream& out)
{
    out << "usage: daybrook-tool COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const auto& command : tool::Commands())
        out << "  " << command.Synopsis << "\n      " << command.Summary << '\n';
    out << "\nThe password comes from the environment variable DAYBROOK_PASSWORD or, when that is\n"
           "unset, from standard input. Text is converted between the terminal (UTF-8) and the\n"
           "diary's code page, which follows the locale (DAYBROOK_CODEPAGE overrides it).\n"
           "Exit status: 0 done; 1 no such file; 2 unreadable; 3 wrong password; 4 not a diary or\n"
           "damaged; 5 could not be written; 64 wrong usage; 65 bad data; 74 input/output error.\n"
           "daybrook-tool COMMAND --help describes a command.\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Environment environment = ReadEnvironment();
    SetDiaryCodePage(environment.CodePage);
    tool::SetSettingsFile(environment.SettingsFile);
    if (argc < 2)
        return Overview(std::cerr), tool::ExitUsage;
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help")
        return Overview(std::cout);
    const tool::Arguments arguments(argv + 2, argv + argc);
    for (const auto& command : tool::Commands()) {
        if (command.Name != name)
            continue;
        if (tool::WantsHelp(name, arguments))
            return 0;
        return command.Run(arguments);
    }
    std::cerr << "daybrook-tool: unknown command '" << name << "'\n";
    Overview(std::cerr);
    return tool::ExitUsage;
}
