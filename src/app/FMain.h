// TfrmMain: the main window. Created before a diary is chosen, it holds the diary session
// (filled by the selection window), the stored settings and the packed pictures; it shows one
// day at a time beside the month calendar, and writes the diary when the program ends.
#pragma once

#include "app/RecoveryWriter.h"
#include "editor/FontSettings.h"
#include "session/DayFlow.h"
#include "session/DiarySession.h"
#include "settings/RegValues.h"
#include "spell/SpellDictionaries.h"
#include "storage/ResStore.h"

#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPixmap>

class QAction;
class QLabel;
class QMenu;
class TKvRichEdit;
class TTitleEdit;
class TfrmAbout;
class TfrmDiaryBrowse;
class TfrmOptions;
namespace calendar {
class TKvCalendar;
}
namespace widgets {
class TKvClock;
class TKvHatchPanel;
class TKvShadowLabel;
class TLbSpeedButton;
class TServices;
} // namespace widgets

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(widgets::TServices& services);
    ~TfrmMain() override;

    widgets::TServices& Services() const { return services_; }
    TDiarySession& Session() { return session_; }
    TDayFlow& Flow() { return flow_; }
    TRecoveryWriter& Recovery() { return recovery_; }

    // The stored settings (their table is in MainSettings.h).
    TRegValues reger;
    TRessourceStore rStore;
    // The ten mood pictures, 64 x 64.
    QList<QPixmap> ilMood;
    bool FirstActivation = true;
    int SkinCount = 0;
    int CurrentSkin = 0;

    // Toolbar.
    widgets::TLbSpeedButton* btnNew;
    widgets::TLbSpeedButton* btnDelete;
    widgets::TLbSpeedButton* btnPrevEntry;
    widgets::TLbSpeedButton* btnNextEntry;
    widgets::TLbSpeedButton* btnBrowse;
    widgets::TLbSpeedButton* btnSpell;
    widgets::TLbSpeedButton* btnSkin;
    widgets::TLbSpeedButton* btnBirthday;
    widgets::TLbSpeedButton* btnOptions;
    widgets::TLbSpeedButton* btnAbout;
    widgets::TLbSpeedButton* btnExit;
    // Left column.
    widgets::TKvShadowLabel* lblDate;
    calendar::TKvCalendar* DCalendar;
    widgets::TLbSpeedButton* btnPrevYear;
    widgets::TLbSpeedButton* btnNextYear;
    widgets::TLbSpeedButton* btnPrevMonth;
    widgets::TLbSpeedButton* btnNextMonth;
    widgets::TLbSpeedButton* btnPrevEntrySmall;
    widgets::TLbSpeedButton* btnNextEntrySmall;
    widgets::TLbSpeedButton* btnToday;
    QLabel* lblLink;
    // Editor area.
    widgets::TKvHatchPanel* pnlHatch;
    TTitleEdit* edTitle;
    TKvRichEdit* MemoBody;
    QLabel* lblDateSmall;
    QLabel* imgMood;
    widgets::TLbSpeedButton* btnPrevMood;
    widgets::TLbSpeedButton* btnNextMood;
    widgets::TLbSpeedButton* btnDownFont;
    widgets::TLbSpeedButton* btnUpFont;
    widgets::TLbSpeedButton* btnBold;
    widgets::TLbSpeedButton* btnItalic;
    widgets::TLbSpeedButton* btnUnderline;
    widgets::TLbSpeedButton* btnLeft;
    widgets::TLbSpeedButton* btnCenter;
    widgets::TLbSpeedButton* btnRight;
    widgets::TLbSpeedButton* btnColor;
    widgets::TLbSpeedButton* btnPrint;
    widgets::TKvClock* Clock;
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
    editor::TStoredFont BodyFont() const;
    void ApplyFont(const editor::TStoredFont& font);
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

    widgets::TServices& services_;
    TDiarySession session_;
    TDayFlow flow_;
    TRecoveryWriter recovery_;
    TSpellDictionaries dictionaries_; // the word lists, for the whole run
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
    TfrmDiaryBrowse* frmBrowse_ = nullptr;
    TfrmOptions* frmOptions_ = nullptr;
    TfrmAbout* frmAbout_ = nullptr;
};
