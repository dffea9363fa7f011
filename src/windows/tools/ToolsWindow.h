// ToolsWindow: the tools window, with the operations on the diary as a whole: back it up to a
// file, restore it from one, change its password, export it as one RTF document, choose the
// font it is written in, and visit the product's web page. It works on the open diary in
// memory; none of its operations writes the diary's own file.
#pragma once

#include "windows/tools/ToolsWindowHost.h"
#include "windows/tools/ToolDialog.h"

#include <QUrl>

#include <functional>
#include <optional>

class DiarySession;
class Settings;
class ProgressWindow;
namespace widgets {
class ToolButton;
class Services;
} // namespace widgets

class ToolsWindow : public ToolDialog {
    Q_OBJECT

public:
    ToolsWindow(QWidget* owner, widgets::Services& services, DiarySession& session, Settings& reger,
                PackedResources& rStore, ToolsWindowHost host);

    // Shows the window modally in the skin's pictures.
    void Execute(int currentSkin);

    widgets::ToolButton* btnBackup;
    widgets::ToolButton* btnRestore;
    widgets::ToolButton* btnExport;
    widgets::ToolButton* btnSetFont;
    widgets::ToolButton* btnChgPassword;
    widgets::ToolButton* btnWebsite;
    widgets::ToolButton* btnSeal;
    widgets::ToolButton* btnClose;
    // Created by the first export and kept.
    ProgressWindow* Progress = nullptr;

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

    widgets::Services& services_;
    DiarySession& session_;
    Settings& reger_;
    ToolsWindowHost host_;
};
