// The services every window is handed, built once by the program's entry (or by a test):
// the program folder, the settings store, the diary code page, the dialogs, the application
// title and the clock. Windows take what they need from here and look nothing up themselves.
#pragma once

#include "base/CalendarDate.h"
#include "platform/Environment.h"
#include "platform/Registry.h"
#include "widgets/Dialogs.h"

#include <QString>

#include <filesystem>
#include <functional>

namespace widgets {

using TClock = std::function<calendar::TDate()>;

class TServices {
public:
    // Makes environment.CodePage the run's diary code page. Problems with the settings file
    // are told in a warning box captioned with the title.
    TServices(platform::TEnvironment environment, Dialogs& dialogs, QString title,
              TClock today = calendar::LocalToday);
    TServices(const TServices&) = delete;
    TServices& operator=(const TServices&) = delete;

    const std::filesystem::path& ProgramFolder() const { return environment_.ProgramFolder; }
    const platform::TSettingsStore& SettingsStore() const { return settings_; }
    int CodePage() const { return environment_.CodePage; }
    widgets::Dialogs& Dialogs() const { return dialogs_; }
    // The application title: the main window's caption and that of plain message boxes.
    const QString& Title() const { return title_; }
    calendar::TDate Today() const { return today_(); }

private:
    platform::TEnvironment environment_;
    widgets::Dialogs& dialogs_;
    QString title_;
    TClock today_;
    platform::TSettingsStore settings_;
};

} // namespace widgets
