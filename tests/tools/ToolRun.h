// Runs daybrook-tool as users run it: arguments, environment, standard input, exit status and
// messages. Each test of the tool's subcommands derives from DaybrookToolTest.
#pragma once

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;

namespace tool_test {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class DaybrookToolTest : public testing::Test {
protected:
    // Runs the tool with the arguments; password nullptr leaves DAYBROOK_PASSWORD unset.
    ToolRun Run(const std::vector<std::string>& arguments, const char* password = nullptr,
             const std::string& input = "")
    {
        WriteBytes(dir / "stdin", input);
        std::string command = "env -u DAYBROOK_PASSWORD";
        for (const auto& setting : environment)
            command += " " + Quoted(setting);
        if (password != nullptr)
            command += " DAYBROOK_PASSWORD=" + Quoted(password);
        command += " " + Quoted(DAYBROOK_TOOL_PATH);
        for (const auto& argument : arguments)
            command += " " + Quoted(argument);
        command += " <" + Quoted((dir / "stdin").string()) + " >" + Quoted((dir / "stdout").string()) + " 2>" +
                   Quoted((dir / "stderr").string());
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(dir / "stdout"), ReadBytes(dir / "stderr")};
    }

    TempDir dir;
    // VARIABLE=value settings the tool runs with.
    std::vector<std::string> environment{"DAYBROOK_CODEPAGE=1252",
                                         "DAYBROOK_REGISTRY=" + (dir / "registry.reg").string()};
    const std::string sample = VectorPath("diary/sample.dry").string();
    static constexpr const char* SamplePassword = "Daybrook 2024!";
};

} // namespace tool_test

using tool_test::DaybrookToolTest;
using tool_test::ToolRun;
