#include "widgets/Services.h"

#include "platform/DiaryCodePage.h"

namespace widgets {

TServices::TServices(platform::TEnvironment environment, widgets::Dialogs& dialogs, QString title, TClock today)
    : environment_(std::move(environment)), dialogs_(dialogs), title_(std::move(title)), today_(std::move(today))
{
    platform::SetDiaryCodePage(environment_.CodePage);
    settings_.File = environment_.SettingsFile;
    settings_.OnProblem = [this](const std::string& message) {
        dialogs_.ShowWarning(nullptr, QString::fromStdString(message), title_);
    };
}

} // namespace widgets
