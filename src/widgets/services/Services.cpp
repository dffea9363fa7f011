#include "widgets/services/Services.h"

#include "platform/locale/DiaryCodePage.h"

namespace widgets {

Services::Services(platform::Environment environment, widgets::Dialogs& dialogs, QString title, TodayClock today)
    : environment_(std::move(environment)), dialogs_(dialogs), title_(std::move(title)), today_(std::move(today))
{
    platform::SetDiaryCodePage(environment_.CodePage);
    settings_.File = environment_.SettingsFile;
    settings_.OnProblem = [this](const std::string& message) {
        dialogs_.ShowWarning(nullptr, QString::fromStdString(message), title_);
    };
}

} // namespace widgets
