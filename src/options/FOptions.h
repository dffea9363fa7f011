// TfrmOptions: the tools window, with the operations on the diary as a whole: back it up to a
// file, restore it from one, change its password, export it as one RTF document, choose the
// font it is written in, and visit the product's web page. It works on the open diary in
// memory; none of its operations writes the diary's own file.
#pragma once

#include "options/OptionsHost.h"
#include "options/ToolDialog.h"

#include <QUrl>

#include <functional>
#include <optional>

class TDiarySession;
class TRegValues;
class TfrmProgress;
namespace widgets {
class TKvToolButton;
class TServices;
} // namespace widgets

class TfrmOptions : public TToolDialog {
    Q_OBJECT

public:
    TfrmOptions(QWidget* owner, widgets::TServices& services, TDiarySession& session, TRegValues& reger,
                TRessourceStore& rStore, TOptionsHost host);

    // Shows the window modally in the skin's pictures.
    void Execute(int currentSkin);

    widgets::TKvToolButton* btnBackup;
    widgets::TKvToolButton* btnRestore;
    widgets::TKvToolButton* btnExport;
    widgets::TKvToolButton* btnSetFont;
    widgets::TKvToolButton* btnChgPassword;
    widgets::TKvToolButton* btnWebsite;
    widgets::TKvToolButton* btnSeal;
    widgets::TKvToolButton* btnClose;
    // Created by the first export and kept.
    TfrmProgress* Progress = nullptr;

    // Hands a document or web page to the desktop's default handler.
    std::function<void(const QUrl&)> OpenUrl;

    void BtnBackupClick();
    void BtnRestoreClick();
    void btnChgPasswordClick();
    // Seals an open plain diary or unseals a sealed one (written so at exit), after the
    // password is typed again.
    void btnSealClick();
    void btnExportClick();
    void BtnSetFontClick();
    void btnWebsiteClick();
    void BtnCloseClick();

private:
    void ShowSealChoice();
    void CreateButtons();
    void Tell(const QString& text);
    std::optional<QString> AskPassword(const QString& prompt);
    // Writes the export document to the file; false when it could not be written.
    bool ExportTo(const QString& file);

    widgets::TServices& services_;
    TDiarySession& session_;
    TRegValues& reger_;
    TOptionsHost host_;
};
