// Program entry: the application, its main window, then the diary selection; the main window
// is shown only when a diary was opened or created.
#include "app/Application.h"
#include "app/FEntry.h"
#include "app/FMain.h"
#include "widgets/Dialogs.h"
#include "platform/Registry.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    SetApplicationTitle(QStringLiteral("The Daybrook"));
    platform::SetRegistryProblemHandler([](const std::string& message) {
        widgets::CurrentDialogs().MessageBox(nullptr, QString::fromStdString(message), ApplicationTitle(),
                                              widgets::TMsgIcon::Warning, widgets::TMsgButtons::Ok,
                                              widgets::TMsgAnswer::Ok);
    });

    TfrmMain frmMain;
    {
        TfrmEntry frmEntry(frmMain);
        if (frmEntry.exec() != QDialog::Accepted)
            return 0;
    }
    frmMain.show();
    return QApplication::exec();
}
