// Runs daybrook-tool as users run it: arguments, environment, standard input, exit status and
// messages. Each test of the tool's subcommands derives from DaybrookToolTest.
#pragma once

#include "support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

using testing::HasSubstr;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;

namespace tool_test {

struct ToolRun {
    int Status;
    std::string Out;
    std::string Err;
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
        WriteBytes(dir_ / "stdin", input);
        std::string command = "env -u DAYBROOK_PASSWORD";
        for (const auto& setting : environment_)
            command += " " + Quoted(setting);
        if (password != nullptr)
            command += " DAYBROOK_PASSWORD=" + Quoted(password);
        command += " " + Quoted(DAYBROOK_TOOL_PATH);
        for (const auto& argument : arguments)
            command += " " + Quoted(argument);
        command += " <" + Quoted((dir_ / "stdin").string()) + " >" + Quoted((dir_ / "stdout").string()) +
                   " 2>" + Quoted((dir_ / "stderr").string());
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(dir_ / "stdout"),
                ReadBytes(dir_ / "stderr")};
    }

    // The run ended with the status and its standard error says the piece.
    static void ExpectFailure(const ToolRun& run, int status, const std::string& piece)
    {
        EXPECT_EQ(run.Status, status) << piece;
        EXPECT_THAT(run.Err, HasSubstr(piece));
    }

    TempDir dir_;
    // VARIABLE=value settings the tool runs with.
    std::vector<std::string> environment_{"DAYBROOK_CODEPAGE=1252",
                                          "DAYBROOK_REGISTRY=" + (dir_ / "registry.reg").string()};
    const std::string sample_ = VectorPath("diary/sample.dry").string();
    static constexpr const char* SamplePassword = "Daybrook 2024!";
};

} // namespace tool_test

using tool_test::DaybrookToolTest;
using tool_test::ToolRun;
