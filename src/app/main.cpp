// Program entry: the services (read from the environment here and nowhere else) and the open
// diary's session, the main window, then the diary selection; the main window is shown only
// when a diary was opened or created.
#include "app/Application.h"
#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "model/session/DiarySession.h"
#include "platform/environment/Environment.h"
#include "platform/locale/Collation.h"
#include "widgets/dialogs/QtDialogs.h"
#include "widgets/services/Services.h"

using app::Application;
using model::session::DiarySession;
using platform::environment::ReadEnvironment;
using platform::locale::CompareText;
using widgets::dialogs::QtDialogs;
using widgets::services::Services;
using windows::main::MainWindow;
using windows::selection::OpenDiaryDialog;

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QtDialogs dialogs;
    Services services(ReadEnvironment(), dialogs, QStringLiteral("The Daybrook"));
    app.SetServices(&services);

    DiarySession session(services.ProgramFolder().string(), CompareText);
    MainWindow mainWindow(services, session);
    {
        OpenDiaryDialog selection(&mainWindow, services, session,
                                  mainWindow.StoredSettings().GetValue("LastDiaryName")->ToString());
        if (selection.exec() != QDialog::Accepted)
            return 0;
    }
    mainWindow.OfferRecovery();
    mainWindow.show();
    return QApplication::exec();
}
