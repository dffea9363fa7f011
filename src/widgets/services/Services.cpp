#include "widgets/services/Services.h"

#include "platform/locale/DiaryCodePage.h"

using platform::environment::Environment;
using platform::locale::SetDiaryCodePage;
using widgets::dialogs::Dialogs;

namespace widgets::services {

Services::Services(Environment environment, widgets::dialogs::Dialogs& dialogs, QString title,
                   TodayClock today)
    : environment_(std::move(environment)), dialogs_(dialogs), title_(std::move(title)),
      today_(std::move(today))
{
    SetDiaryCodePage(environment_.CodePage);
    settings_.File = environment_.SettingsFile;
    settings_.OnProblem = [this](const std::string& message) {
        dialogs_.ShowWarning(nullptr, QString::fromStdString(message), title_);
    };
}

} // namespace widgets::services
