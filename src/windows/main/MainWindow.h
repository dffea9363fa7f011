// MainWindow: the main window. Created before a diary is chosen, it holds the diary session
// (filled by the selection window), the stored settings and the packed pictures; it shows one
// day at a time beside the month calendar, and writes the diary when the program ends.
#pragma once

#include "windows/main/RecoveryWriter.h"
#include "widgets/editor/FontSettings.h"
#include "model/session/DayFlow.h"
#include "model/session/DiarySession.h"
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

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(widgets::Services& services);
    ~MainWindow() override;

    widgets::Services& Services() const { return services_; }
    DiarySession& Session() { return session_; }
    DayFlow& Flow() { return flow_; }
    RecoveryWriter& Recovery() { return recovery_; }

    // The stored settings (their table is in MainSettings.h).
    Settings reger;
    PackedResources rStore;
    // The ten mood pictures, 64 x 64.
    QList<QPixmap> ilMood;
    bool FirstActivation = true;
    int SkinCount = 0;
    int CurrentSkin = 0;

    // Toolbar.
    widgets::SpeedButton* btnNew;
    widgets::SpeedButton* btnDelete;
    widgets::SpeedButton* btnPrevEntry;
    widgets::SpeedButton* btnNextEntry;
    widgets::SpeedButton* btnBrowse;
    widgets::SpeedButton* btnSpell;
    widgets::SpeedButton* btnSkin;
    widgets::SpeedButton* btnBirthday;
    widgets::SpeedButton* btnOptions;
    widgets::SpeedButton* btnAbout;
    widgets::SpeedButton* btnExit;
    // Left column.
    widgets::ShadowLabel* lblDate;
    calendar::MainCalendar* DCalendar;
    widgets::SpeedButton* btnPrevYear;
    widgets::SpeedButton* btnNextYear;
    widgets::SpeedButton* btnPrevMonth;
    widgets::SpeedButton* btnNextMonth;
    widgets::SpeedButton* btnPrevEntrySmall;
    widgets::SpeedButton* btnNextEntrySmall;
    widgets::SpeedButton* btnToday;
    QLabel* lblLink;
    // Editor area.
    widgets::HatchedPanel* pnlHatch;
    TitleEdit* edTitle;
    RichTextEdit* MemoBody;
    QLabel* lblDateSmall;
    QLabel* imgMood;
    widgets::SpeedButton* btnPrevMood;
    widgets::SpeedButton* btnNextMood;
    widgets::SpeedButton* btnDownFont;
    widgets::SpeedButton* btnUpFont;
    widgets::SpeedButton* btnBold;
    widgets::SpeedButton* btnItalic;
    widgets::SpeedButton* btnUnderline;
    widgets::SpeedButton* btnLeft;
    widgets::SpeedButton* btnCenter;
    widgets::SpeedButton* btnRight;
    widgets::SpeedButton* btnColor;
    widgets::SpeedButton* btnPrint;
    widgets::ClockWidget* Clock;
    QLabel* imgGrip;
    // Menus.
    QMenu* pmCalendar;
    QMenu* pmEntry;
    QMenu* pmColors;
    QMenu* pmMood;
    QMenu* pmClock;
    QAction* pmoPaste;
    QAction* pmoShowScrollbar;
    QAction* pmiDisplaySeconds;

    // Stores the shown day when it was edited (only with a Sender) and shows the calendar's day.
    void DayChange(QObject* Sender);
    void ShowMood(int N);
    void ApplySkin();
    void ApplyFontSettings();
    // The stored font as the body shows it now.
    editor::StoredFont BodyFont() const;
    void ApplyFont(const editor::StoredFont& font);
    // Asks whether to recover the entries of a run that ended without saving (before the
    // window is shown).
    void OfferRecovery();

    // Commands, as the buttons, keys and menus run them.
    void btnNewClick();
    void btnDeleteClick();
    void btnSkinClick();
    void btnExitClick();
    void btnPrintClick();
    void GoToday();
    void GoEntry(bool forward);
    void GoMonth(bool forward);
    void GoYear(bool forward);
    void NextMood();
    void PrevMood();
    void imgMoodClick();
    void PrintBody();
    void SetShowScrollbar(bool show);
    void btnBrowseClick();
    void btnOptionsClick();
    void btnAboutClick();
    void OpenBirthdayKeeper();
    // The desktop session ends: the diary is saved as "Exit" saves it, without questions.
    void SessionEnding();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateToolbar(QWidget* client);
    void CreateNavigation(QWidget* client);
    void CreateEditorArea(QWidget* client);
    void CreateMenus();
    void LayoutControls();
    void RestoreBounds();
    void FormActivate();
    void EnterEditors(bool focusTitle);
    bool BodyKey(QKeyEvent& key);
    void StoreBounds();
    bool SaveDiaryAtExit();
    void DiaryChanged();
    void DiscardRecovery();

    widgets::Services& services_;
    DiarySession session_;
    DayFlow flow_;
    RecoveryWriter recovery_;
    SpellDictionaries dictionaries_; // the word lists, for the whole run
    QWidget* client_;
    QWidget* pnlEditor_;
    QWidget* pnlEdits_;
    QWidget* pnlRight_;
    QImage topPicture_;
    QImage backPicture_;
    bool exitRequested_ = false;
    bool closeDecided_ = false;
    bool recovered_ = false;
    // Created on first use and kept for the run.
    BrowseWindow* frmBrowse_ = nullptr;
    ToolsWindow* frmOptions_ = nullptr;
    AboutWindow* frmAbout_ = nullptr;
};
