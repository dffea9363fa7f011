// Services for window tests: a program folder and a settings file of the test's own, scripted
// dialogs, code page 1252 and a fixed "today"; nothing is read from the process environment.
#pragma once

#include "support/TestFiles.h"
#include "support/ScriptedDialogs.h"
#include "widgets/services/Services.h"

#include <memory>

namespace testing_support {

class TestServices {
public:
    explicit TestServices(base::dates::Date today = {2024, 3, 15}) : today_(today) { Rebuild(); }

    widgets::services::Services& operator*() { return *services_; }
    widgets::services::Services* operator->() { return services_.get(); }

    // The program folder is now another one (the services are made anew).
    void SetProgramFolder(const std::filesystem::path& folder)
    {
        programFolder_ = folder;
        Rebuild();
    }
    void SetToday(base::dates::Date today) { today_ = today; }

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }
    std::filesystem::path SettingsFile() const { return settingsFolder.Path() / "registry.reg"; }

    TempDir folder;
    TempDir settingsFolder;
    testing_support::ScriptedDialogs dialogs;

private:
    void Rebuild()
    {
        if (programFolder_.empty())
            programFolder_ = folder.Path();
        services_ = std::make_unique<widgets::services::Services>(
            platform::environment::Environment{programFolder_, SettingsFile(), 1252}, dialogs,
            QStringLiteral("The Daybrook"), [this] { return today_; });
    }

    base::dates::Date today_;
    std::filesystem::path programFolder_;
    std::unique_ptr<widgets::services::Services> services_;
};

} // namespace testing_support
