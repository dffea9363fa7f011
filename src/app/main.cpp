// Program entry: the services (read from the environment here and nowhere else), the main
// window, then the diary selection; the main window is shown only when a diary was opened or
// created.
#include "app/Application.h"
#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "platform/environment/Environment.h"
#include "widgets/dialogs/QtDialogs.h"
#include "widgets/services/Services.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    widgets::QtDialogs dialogs;
    widgets::Services services(platform::ReadEnvironment(), dialogs, QStringLiteral("The Daybrook"));
    app.SetServices(&services);

    MainWindow frmMain(services);
    {
        OpenDiaryDialog frmEntry(frmMain);
        if (frmEntry.exec() != QDialog::Accepted)
            return 0;
    }
    frmMain.OfferRecovery();
    frmMain.show();
    return QApplication::exec();
}
