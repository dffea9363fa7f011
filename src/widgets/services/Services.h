// The services every window is handed, built once by the program's entry (or by a test):
// the program and data folders, the settings store, the diary code page, the dialogs, the application
// title and the clock. Windows take what they need from here and look nothing up themselves.
#pragma once

#include "base/dates/CalendarDate.h"
#include "platform/environment/Environment.h"
#include "platform/registry/Registry.h"
#include "widgets/dialogs/Dialogs.h"

#include <QString>

#include <filesystem>
#include <functional>

namespace widgets::services {

using TodayClock = std::function<base::dates::Date()>;

class Services {
public:
    // Makes environment.CodePage the run's diary code page. Problems with the settings file
    // are told in a warning box captioned with the title.
    Services(platform::environment::Environment environment, widgets::dialogs::Dialogs& dialogs,
             QString title, TodayClock today = base::dates::LocalToday);
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    const std::filesystem::path& ProgramFolder() const { return environment_.ProgramFolder; }
    // The files that come with the program (the master dictionary).
    const std::filesystem::path& DataFolder() const
    {
        return environment_.DataFolder.empty() ? environment_.ProgramFolder : environment_.DataFolder;
    }
    const platform::registry::RegistryFile& SettingsStore() const { return settings_; }
    int CodePage() const { return environment_.CodePage; }
    widgets::dialogs::Dialogs& Dialogs() const { return dialogs_; }
    // The application title: the main window's caption and that of plain message boxes.
    const QString& Title() const { return title_; }
    base::dates::Date Today() const { return today_(); }

private:
    platform::environment::Environment environment_;
    widgets::dialogs::Dialogs& dialogs_;
    QString title_;
    TodayClock today_;
    platform::registry::RegistryFile settings_;
};

} // namespace widgets::services
