// ToolsWindow: the tools window, with the operations on the diary as a whole: back it up to a
// file, restore it from one, change its password, seal or unseal it, export it as one RTF
// document, choose the font it is written in, and visit the product's web page. It works on
// the open diary in memory (the main window hears of the changes from the session); none of its
// operations writes the diary's own file.
#pragma once

#include "windows/tools/ToolDialog.h"
#include "widgets/editor/FontSettings.h"

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
    ToolsWindow(QWidget* owner, widgets::Services& services, DiarySession& session, Settings& settings,
                PackedResources& resources);

    // Shows the window modally in the skin's pictures; bodyFont: the font the body is written
    // in now (exports start from it, the font dialog shows it).
    void Execute(int currentSkin, const editor::StoredFont& bodyFont);

    // Hands a document or web page to the desktop's default handler (tests replace it).
    std::function<void(const QUrl&)> OpenUrl;

signals:
    // The user chose another font for the diary; it is stored in the settings already.
    void BodyFontChosen(const editor::StoredFont& font);

private:
    void CreateButtons();
    void OnBackupClicked();
    void OnRestoreClicked();
    void OnChangePasswordClicked();
    // Seals an open plain diary or unseals a sealed one (written so at exit), after the
    // password is typed again.
    void OnSealClicked();
    void OnExportClicked();
    void OnSetFontClicked();
    void ShowSealChoice();
    void Tell(const QString& text);
    std::optional<QString> AskPassword(const QString& prompt);
    // Writes the export document to the file; false when it could not be written.
    bool ExportTo(const QString& file);

    widgets::Services& services_;
    DiarySession& session_;
    Settings& settings_;
    editor::StoredFont bodyFont_;
    widgets::ToolButton* backupButton_;
    widgets::ToolButton* restoreButton_;
    widgets::ToolButton* exportButton_;
    widgets::ToolButton* setFontButton_;
    widgets::ToolButton* changePasswordButton_;
    widgets::ToolButton* webSiteButton_;
    widgets::ToolButton* sealButton_;
    widgets::ToolButton* closeButton_;
    // Created by the first export and kept.
    ProgressWindow* progress_ = nullptr;
};
