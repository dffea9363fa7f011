// MainWindow: the main window. It shows one day of the open diary at a time beside the month
// calendar, with the toolbar that opens the other windows; it listens to the diary session (the
// selection window fills it, the tools window changes it) and asks the questions of the
// program's end that the model's ExitSave tells it to ask.
#pragma once

#include "windows/main/ChangedFileDialogs.h"
#include "windows/main/RecoveryWriter.h"
#include "widgets/editor/FontSettings.h"
#include "model/session/DayFlow.h"
#include "model/session/DiarySession.h"
#include "model/session/ExitSave.h"
#include "model/session/FirstActivation.h"
#include "model/settings/Settings.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "formats/resources/PackedResources.h"

#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPixmap>

class QAction;
class QLabel;
class QMenu;

namespace widgets::calendar {
class MainCalendar;
} // namespace widgets::calendar

namespace widgets::controls {
class ClockWidget;
class HatchedPanel;
class ShadowLabel;
class SpeedButton;
} // namespace widgets::controls

namespace widgets::editor {
class RichTextEdit;
class TitleEdit;
} // namespace widgets::editor

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::browse {
class BrowseWindow;
} // namespace windows::browse

namespace windows::tools {
class AboutWindow;
class ToolsWindow;
} // namespace windows::tools

namespace windows::main {

class OnThisDayPanel;

class MainWindow : public QMainWindow, private model::session::DiaryListener {
    Q_OBJECT

public:
    // The session is the program's open diary; the window listens to it while it lives.
    MainWindow(widgets::services::Services& services, model::session::DiarySession& session);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The stored settings (their table is in MainSettings.h).
    const model::settings::Settings& StoredSettings() const { return settings_; }
    const model::session::DayFlow& Flow() const { return flow_; }
    RecoveryWriter& Recovery() { return recovery_; }
    // Whether the first activation has shown the diary.
    bool ShowsDiary() const { return !firstActivation_.Pending(); }
    int SkinCount() const { return skinCount_; }
    int CurrentSkin() const { return currentSkin_; }
    // Shows the skin (0 to SkinCount() - 1).
    void ShowSkin(int skin);

    // Asks whether to recover the entries of a run that ended without saving (before the
    // window is shown).
    void OfferRecovery();
    // The desktop session ends: the diary is saved as "Exit" saves it, without questions.
    void SessionEnding();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DiaryChanged(model::session::DiaryChange change) override;

    void CreateControls();
    void CreateToolbar(QWidget* client);
    void CreateNavigation(QWidget* client);
    void CreateEditorArea(QWidget* client);
    void CreateMenus();
    // The controls' object names, as tests and tools find them.
    void NameControls();
    void LayoutControls();
    void RestoreBounds();
    void StoreBounds();
    void ShowOpenedDiary();
    // Stores the shown day when it was edited; the editors count as unedited afterwards.
    void StoreShownDay();
    // After another copy was merged in: the calendar's marks, and the shown day when it changed.
    void ShowMergedDays();
    // Shows the calendar's day; storeFirst: the shown day is stored first when it was edited.
    void ShowCalendarDay(bool storeFirst);
    void ShowMood(int mood);
    void ApplySkin();
    void ApplyFontSettings();
    // The stored font as the body shows it now.
    widgets::editor::StoredFont BodyFont() const;
    void ApplyFont(const widgets::editor::StoredFont& font);
    void EnterEditors(bool focusTitle);
    bool BodyKey(QKeyEvent& key);
    void SetShowScrollbar(bool show);
    void PrintBody();

    // Commands, as the buttons, keys and menus run them.
    void OnEditClicked();
    void OnDeleteClicked();
    void OnSkinClicked();
    void OnExitClicked();
    void OnPrintClicked();
    void OnInsertPictureClicked();
    void OnBrowseClicked();
    void OnToolsClicked();
    void OnAboutClicked();
    void OnMoodImageClicked();
    bool MoodImageEvent(QEvent& event);
    void OpenBirthdayKeeper();
    void GoToday();
    void GoEntry(bool forward);
    void GoMonth(bool forward);
    void GoYear(bool forward);
    void NextMood();
    void PreviousMood();

    widgets::services::Services& services_;
    model::session::DiarySession& session_;
    model::settings::Settings settings_;
    formats::resources::PackedResources resources_;
    // The ten mood pictures, 64 x 64.
    QList<QPixmap> moodPictures_;
    int skinCount_ = 0;
    int currentSkin_ = 0;
    model::session::DayFlow flow_;
    RecoveryWriter recovery_;
    model::session::ExitSave exitSave_;
    model::session::FirstActivation firstActivation_;
    ChangedFileDialogs changedFileDialogs_;
    formats::wordlists::SpellDictionaries dictionaries_; // the word lists, for the whole run
    bool exitRequested_ = false;

    QWidget* client_ = nullptr;
    QImage topPicture_;
    QImage backPicture_;
    // Toolbar.
    widgets::controls::SpeedButton* editButton_ = nullptr;
    widgets::controls::SpeedButton* deleteButton_ = nullptr;
    widgets::controls::SpeedButton* previousEntryButton_ = nullptr;
    widgets::controls::SpeedButton* nextEntryButton_ = nullptr;
    widgets::controls::SpeedButton* browseButton_ = nullptr;
    widgets::controls::SpeedButton* spellButton_ = nullptr;
    widgets::controls::SpeedButton* skinButton_ = nullptr;
    widgets::controls::SpeedButton* birthdayButton_ = nullptr;
    widgets::controls::SpeedButton* toolsButton_ = nullptr;
    widgets::controls::SpeedButton* aboutButton_ = nullptr;
    widgets::controls::SpeedButton* exitButton_ = nullptr;
    // Left column.
    widgets::controls::ShadowLabel* dateLabel_ = nullptr;
    widgets::calendar::MainCalendar* calendar_ = nullptr;
    widgets::controls::SpeedButton* previousYearButton_ = nullptr;
    widgets::controls::SpeedButton* nextYearButton_ = nullptr;
    widgets::controls::SpeedButton* previousMonthButton_ = nullptr;
    widgets::controls::SpeedButton* nextMonthButton_ = nullptr;
    widgets::controls::SpeedButton* previousEntrySmallButton_ = nullptr;
    widgets::controls::SpeedButton* nextEntrySmallButton_ = nullptr;
    widgets::controls::SpeedButton* todayButton_ = nullptr;
    QLabel* linkLabel_ = nullptr;
    OnThisDayPanel* onThisDayPanel_ = nullptr;
    // Editor area.
    QWidget* editorPanel_ = nullptr;
    widgets::controls::HatchedPanel* hatchPanel_ = nullptr;
    QWidget* editsPanel_ = nullptr;
    widgets::editor::TitleEdit* titleEdit_ = nullptr;
    widgets::editor::RichTextEdit* bodyEdit_ = nullptr;
    QWidget* rightPanel_ = nullptr;
    QLabel* smallDateLabel_ = nullptr;
    QLabel* moodImage_ = nullptr;
    widgets::controls::SpeedButton* previousMoodButton_ = nullptr;
    widgets::controls::SpeedButton* nextMoodButton_ = nullptr;
    widgets::controls::SpeedButton* smallerFontButton_ = nullptr;
    widgets::controls::SpeedButton* largerFontButton_ = nullptr;
    widgets::controls::SpeedButton* boldButton_ = nullptr;
    widgets::controls::SpeedButton* italicButton_ = nullptr;
    widgets::controls::SpeedButton* underlineButton_ = nullptr;
    widgets::controls::SpeedButton* alignLeftButton_ = nullptr;
    widgets::controls::SpeedButton* alignCenterButton_ = nullptr;
    widgets::controls::SpeedButton* alignRightButton_ = nullptr;
    widgets::controls::SpeedButton* colourButton_ = nullptr;
    widgets::controls::SpeedButton* printButton_ = nullptr;
    widgets::controls::ClockWidget* clock_ = nullptr;
    QLabel* sizeGrip_ = nullptr;
    // Menus.
    QMenu* calendarMenu_ = nullptr;
    QMenu* bodyMenu_ = nullptr;
    QMenu* colourMenu_ = nullptr;
    QMenu* moodMenu_ = nullptr;
    QMenu* clockMenu_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* insertPictureAction_ = nullptr;
    QAction* showScrollbarAction_ = nullptr;
    QAction* displaySecondsAction_ = nullptr;
    // Created on first use and kept for the run.
    windows::browse::BrowseWindow* browseWindow_ = nullptr;
    windows::tools::ToolsWindow* toolsWindow_ = nullptr;
    windows::tools::AboutWindow* aboutWindow_ = nullptr;
};

} // namespace windows::main
