// Program entry: the services (read from the environment here and nowhere else), the main
// window, then the diary selection; the main window is shown only when a diary was opened or
// created.
#include "app/Application.h"
#include "app/FEntry.h"
#include "app/FMain.h"
#include "platform/Environment.h"
#include "widgets/QtDialogs.h"
#include "widgets/Services.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    widgets::QtDialogs dialogs;
    widgets::TServices services(platform::ReadEnvironment(), dialogs, QStringLiteral("The Daybrook"));
    app.SetServices(&services);

    TfrmMain frmMain(services);
    {
        TfrmEntry frmEntry(frmMain);
        if (frmEntry.exec() != QDialog::Accepted)
            return 0;
    }
    frmMain.OfferRecovery();
    frmMain.show();
    return QApplication::exec();
}
