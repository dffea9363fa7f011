// ToolsWindow: the tools window, with the operations on the diary as a whole: back it up to a
// file, restore it from one, change its password, seal or unseal it, export it as one RTF
// document, choose the font it is written in, and visit the product's web page. It works on
// the open diary in memory (the main window hears of the changes from the session); none of its
// operations writes the diary's own file.
#pragma once

#include "windows/tools/ToolDialog.h"
#include "formats/exports/DiaryExports.h"
#include "widgets/editor/FontSettings.h"

#include <QUrl>

#include <functional>
#include <optional>

namespace model::session {
class DiarySession;
} // namespace model::session

namespace model::settings {
class Settings;
} // namespace model::settings

namespace widgets::controls {
class ToolButton;
} // namespace widgets::controls

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::tools {

class ProgressWindow;

class ToolsWindow : public ToolDialog {
    Q_OBJECT

public:
    ToolsWindow(QWidget* owner, widgets::services::Services& services, model::session::DiarySession& session,
                model::settings::Settings& settings, formats::resources::PackedResources& resources);

    // Shows the window modally in the skin's pictures; bodyFont: the font the body is written
    // in now (exports start from it, the font dialog shows it).
    void Execute(int currentSkin, const widgets::editor::StoredFont& bodyFont);

    // Hands a document or web page to the desktop's default handler (tests replace it).
    std::function<void(const QUrl&)> OpenUrl;

signals:
    // The user chose another font for the diary; it is stored in the settings already.
    void BodyFontChosen(const widgets::editor::StoredFont& font);

private:
    void CreateButtons();
    void OnBackupClicked();
    void OnRestoreClicked();
    void OnChangePasswordClicked();
    // Seals an open plain diary or unseals a sealed one (written so at exit), after the
    // password is typed again.
    void OnSealClicked();
    void OnExportClicked();
    // Brings the entries of another journal (jrnl, Day One, Markdown notes) into the diary,
    // after telling what will happen.
    void OnImportClicked();
    // Brings in another diary of either format by the merge's rules, asking for its password
    // when it has another.
    void ImportDiary(const QString& file);
    void OnSetFontClicked();
    void ShowSealChoice();
    void Tell(const QString& text);
    // Tells that nothing is written to a diary open read-only; true then.
    bool TellIfReadOnly();
    std::optional<QString> AskPassword(const QString& prompt);
    // Writes the export in the format to the file (or folder); false when it could not be written.
    bool ExportTo(const QString& file, formats::exports::ExportFormat format);

    widgets::services::Services& services_;
    model::session::DiarySession& session_;
    model::settings::Settings& settings_;
    widgets::editor::StoredFont bodyFont_;
    widgets::controls::ToolButton* backupButton_;
    widgets::controls::ToolButton* restoreButton_;
    widgets::controls::ToolButton* exportButton_;
    widgets::controls::ToolButton* setFontButton_;
    widgets::controls::ToolButton* changePasswordButton_;
    widgets::controls::ToolButton* webSiteButton_;
    widgets::controls::ToolButton* sealButton_;
    widgets::controls::ToolButton* importButton_;
    widgets::controls::ToolButton* closeButton_;
    // Created by the first export and kept.
    ProgressWindow* progress_ = nullptr;
};

} // namespace windows::tools
