#include "windows/main/ExitDialogs.h"

#include "widgets/services/Services.h"

#include <QCoreApplication>
#include <QFile>

using model::session::AfterFailedSave;
using widgets::dialogs::MsgAnswer;
using widgets::dialogs::MsgButtons;
using widgets::dialogs::MsgIcon;

namespace windows::main {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

bool ExitDialogs::DropChanges()
{
    return services_.Dialogs().MessageBox(
               parent_,
               QStringLiteral("If you exit this way, your changes\r\nwill be lost. Exit & loose changes?"),
               QStringLiteral(" Warning"), MsgIcon::Warning, MsgButtons::OkCancel,
               MsgAnswer::Cancel) == MsgAnswer::Ok;
}

AfterFailedSave ExitDialogs::AskAfterFailedSave(const std::string& reason)
{
    const int choice = services_.Dialogs().Choose(
        parent_,
        Tr("The diary could not be saved:\r\n%1\r\n\r\nNothing of this run's writing is lost yet. Try again "
           "(for example after freeing disk space or bringing the folder back), or save the diary to "
           "another file.")
            .arg(QString::fromLocal8Bit(reason.c_str())),
        QStringLiteral(" Error"), MsgIcon::Error,
        {Tr("&Try again"), Tr("&Save elsewhere..."), Tr("Exit without saving")}, 0);
    switch (choice) {
    case 1:
        return AfterFailedSave::SaveElsewhere;
    case 2:
        return AfterFailedSave::ExitWithoutSaving;
    default:
        return AfterFailedSave::TryAgain;
    }
}

std::optional<std::string> ExitDialogs::AskCopyFile(const std::string& suggested)
{
    const auto file = services_.Dialogs().SaveFileName(parent_, Tr("Save the diary elsewhere"),
                                                       QFile::decodeName(suggested.c_str()),
                                                       Tr("Diary (*.dry);;Diary Backup (*.bkd)"));
    if (!file)
        return std::nullopt;
    return QFile::encodeName(*file).toStdString();
}

void ExitDialogs::TellCopyFailed(const std::string& reason)
{
    services_.Dialogs().ShowError(parent_, QString::fromLocal8Bit(reason.c_str()), QStringLiteral(" Error"));
}

} // namespace windows::main
