// MainWindow: the main window. It shows one day of the open diary at a time beside the month
// calendar, with the toolbar that opens the other windows; it listens to the diary session (the
// selection window fills it, the tools window changes it) and asks the questions of the
// program's end that the model's ExitSave tells it to ask.
#pragma once

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
class RichTextEdit;
class TitleEdit;
class AboutWindow;
class BrowseWindow;
class ToolsWindow;
namespace calendar {
class MainCalendar;
}
namespace widgets {
class ClockWidget;
class HatchedPanel;
class ShadowLabel;
class SpeedButton;
class Services;
} // namespace widgets

class MainWindow : public QMainWindow, private DiaryListener {
    Q_OBJECT

public:
    // The session is the program's open diary; the window listens to it while it lives.
    MainWindow(widgets::Services& services, DiarySession& session);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The stored settings (their table is in MainSettings.h).
    const Settings& StoredSettings() const { return settings_; }
    const DayFlow& Flow() const { return flow_; }
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
    void DiaryChanged(DiaryChange change) override;

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
    // Shows the calendar's day; storeFirst: the shown day is stored first when it was edited.
    void ShowCalendarDay(bool storeFirst);
    void ShowMood(int mood);
    void ApplySkin();
    void ApplyFontSettings();
    // The stored font as the body shows it now.
    editor::StoredFont BodyFont() const;
    void ApplyFont(const editor::StoredFont& font);
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
    void OnBrowseClicked();
    void OnToolsClicked();
    void OnAboutClicked();
    void OnMoodImageClicked();
    void OpenBirthdayKeeper();
    void GoToday();
    void GoEntry(bool forward);
    void GoMonth(bool forward);
    void GoYear(bool forward);
    void NextMood();
    void PreviousMood();

    widgets::Services& services_;
    DiarySession& session_;
    Settings settings_;
    PackedResources resources_;
    // The ten mood pictures, 64 x 64.
    QList<QPixmap> moodPictures_;
    int skinCount_ = 0;
    int currentSkin_ = 0;
    DayFlow flow_;
    RecoveryWriter recovery_;
    ExitSave exitSave_;
    FirstActivation firstActivation_;
    SpellDictionaries dictionaries_; // the word lists, for the whole run
    bool exitRequested_ = false;

    QWidget* client_ = nullptr;
    QImage topPicture_;
    QImage backPicture_;
    // Toolbar.
    widgets::SpeedButton* editButton_ = nullptr;
    widgets::SpeedButton* deleteButton_ = nullptr;
    widgets::SpeedButton* previousEntryButton_ = nullptr;
    widgets::SpeedButton* nextEntryButton_ = nullptr;
    widgets::SpeedButton* browseButton_ = nullptr;
    widgets::SpeedButton* spellButton_ = nullptr;
    widgets::SpeedButton* skinButton_ = nullptr;
    widgets::SpeedButton* birthdayButton_ = nullptr;
    widgets::SpeedButton* toolsButton_ = nullptr;
    widgets::SpeedButton* aboutButton_ = nullptr;
    widgets::SpeedButton* exitButton_ = nullptr;
    // Left column.
    widgets::ShadowLabel* dateLabel_ = nullptr;
    calendar::MainCalendar* calendar_ = nullptr;
    widgets::SpeedButton* previousYearButton_ = nullptr;
    widgets::SpeedButton* nextYearButton_ = nullptr;
    widgets::SpeedButton* previousMonthButton_ = nullptr;
    widgets::SpeedButton* nextMonthButton_ = nullptr;
    widgets::SpeedButton* previousEntrySmallButton_ = nullptr;
    widgets::SpeedButton* nextEntrySmallButton_ = nullptr;
    widgets::SpeedButton* todayButton_ = nullptr;
    QLabel* linkLabel_ = nullptr;
    // Editor area.
    QWidget* editorPanel_ = nullptr;
    widgets::HatchedPanel* hatchPanel_ = nullptr;
    QWidget* editsPanel_ = nullptr;
    TitleEdit* titleEdit_ = nullptr;
    RichTextEdit* bodyEdit_ = nullptr;
    QWidget* rightPanel_ = nullptr;
    QLabel* smallDateLabel_ = nullptr;
    QLabel* moodImage_ = nullptr;
    widgets::SpeedButton* previousMoodButton_ = nullptr;
    widgets::SpeedButton* nextMoodButton_ = nullptr;
    widgets::SpeedButton* smallerFontButton_ = nullptr;
    widgets::SpeedButton* largerFontButton_ = nullptr;
    widgets::SpeedButton* boldButton_ = nullptr;
    widgets::SpeedButton* italicButton_ = nullptr;
    widgets::SpeedButton* underlineButton_ = nullptr;
    widgets::SpeedButton* alignLeftButton_ = nullptr;
    widgets::SpeedButton* alignCenterButton_ = nullptr;
    widgets::SpeedButton* alignRightButton_ = nullptr;
    widgets::SpeedButton* colourButton_ = nullptr;
    widgets::SpeedButton* printButton_ = nullptr;
    widgets::ClockWidget* clock_ = nullptr;
    QLabel* sizeGrip_ = nullptr;
    // Menus.
    QMenu* calendarMenu_ = nullptr;
    QMenu* bodyMenu_ = nullptr;
    QMenu* colourMenu_ = nullptr;
    QMenu* moodMenu_ = nullptr;
    QMenu* clockMenu_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* showScrollbarAction_ = nullptr;
    QAction* displaySecondsAction_ = nullptr;
    // Created on first use and kept for the run.
    BrowseWindow* browseWindow_ = nullptr;
    ToolsWindow* toolsWindow_ = nullptr;
    AboutWindow* aboutWindow_ = nullptr;
};
