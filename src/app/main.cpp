// Program entry: the services (read from the environment here and nowhere else) and the open
// diary's session, the main window, then the diary selection; the main window is shown only
// when a diary was opened or created.
#include "app/Application.h"
#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "model/session/DiarySession.h"
#include "platform/environment/DiaryArgument.h"
#include "platform/environment/Environment.h"
#include "platform/locale/Collation.h"
#include "platform/locale/QtText.h"
#include "widgets/dialogs/QtDialogs.h"
#include "widgets/services/Services.h"

#include <QFile>

#include <cstdio>
#include <filesystem>
#include <vector>

using app::Application;
using model::session::DiarySession;
using platform::environment::DiaryFromArguments;
using platform::environment::ReadEnvironment;
using platform::locale::CompareText;
using platform::locale::ToDiaryText;
using widgets::dialogs::QtDialogs;
using widgets::services::Services;
using windows::main::MainWindow;
using windows::selection::OpenDiaryDialog;

namespace {

// The arguments Qt left, as file-system bytes.
std::vector<std::string> Arguments()
{
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments())
        arguments.push_back(QFile::encodeName(argument).toStdString());
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QtDialogs dialogs;
    Services services(ReadEnvironment(), dialogs, QStringLiteral("The Daybrook"));
    app.SetServices(&services);

    // A diary named on the command line is chosen, and its folder listed, for this run.
    const auto namedDiary = DiaryFromArguments(Arguments());
    if (!namedDiary && QApplication::arguments().size() > 1)
        std::fprintf(stderr, "daybrook: no diary file (.dry) among the arguments\n");
    std::error_code ignored; // a folder that cannot be made is told by the selection window
    std::filesystem::create_directories(services.ProgramFolder(), ignored);

    DiarySession session(namedDiary ? namedDiary->Folder.string() : services.ProgramFolder().string(), CompareText);
    MainWindow mainWindow(services, session);
    {
        const std::string diaryName =
            namedDiary ? ToDiaryText(QFile::decodeName(namedDiary->FileName.c_str())).value_or(std::string())
                       : mainWindow.StoredSettings().GetValue("LastDiaryName")->ToString();
        OpenDiaryDialog selection(&mainWindow, services, session, diaryName);
        if (selection.exec() != QDialog::Accepted)
            return 0;
    }
    mainWindow.OfferRecovery();
    mainWindow.show();
    return QApplication::exec();
}
