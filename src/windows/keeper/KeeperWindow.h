// KeeperWindow: the modal window of the birthday and anniversary keeper: a month calendar whose
// day cells list the people born on them, two status lines naming the people of the shown and
// of the following month, a counter, a calendar menu that adds, changes and deletes entries,
// and a tools menu that backs the list up, restores it or clears it. The list lives in the
// working store of the settings, read at the first activation and written when it closes.
#pragma once

#include "model/birthdays/BirthdayBook.h"

#include <QDialog>

#include <array>

class QAction;
class QLabel;
class QMenu;
namespace calendar {
class KeeperCalendar;
}
namespace widgets {
class HatchedPanel;
class ToolButton;
class Services;
} // namespace widgets

namespace birthdays {

class StatusLineLabel;

class KeeperWindow : public QDialog {
    Q_OBJECT
public:
    KeeperWindow(QWidget* owner, widgets::Services& services);

    // Opens the keeper modally over owner: the caption replaces the designed one unless empty,
    // the colour the designed background unless it is that colour.
    static void Execute(QWidget* owner, const QString& caption, const QColor& color,
                        widgets::Services& services);

    // Reads the working store, once.
    void LoadOnce();
    void RefreshMonthCaption();
    void RefreshStatus();

    void PrevMonth();
    void NextMonth();
    void LastMonthOfYear();
    void ShowToday();

    void pmCalendarPopup();
    void pmToolsPopup();
    void pmoAddEntryClick();
    void pmEditEntriesByTagClick(int tag);
    void pmDeleteEntriesByTagClick(int tag);
    void KvCalendarDblClick();
    void pmoBackupClick();
    void pmoRestoreClick();
    void pmoClearClick();

    BirthdayEntryComponent BDEngine;
    bool Loaded = false;

    calendar::KeeperCalendar* KvCalendar;
    widgets::ToolButton* btnToday;
    widgets::ToolButton* btnPrevMonth;
    widgets::ToolButton* btnNextMonth;
    widgets::ToolButton* btnTools;
    widgets::ToolButton* btnExit;
    QLabel* lblMonth;
    widgets::HatchedPanel* KvHatchPanel1;
    StatusLineLabel* LblMonthDetails;
    StatusLineLabel* LblMonth2Details;
    QLabel* lblStatusTotalEntries;
    QLabel* lblRightClickHint;

    QMenu* pmCalendar;
    QAction* pmoAddEntry;
    QMenu* pmoEditEntry;
    QMenu* pmoDeleteEntry;
    std::array<QAction*, 4> EditSlots;
    std::array<QAction*, 4> DeleteSlots;
    QMenu* pmTools;
    QAction* pmoBackup;
    QAction* pmoRestore;
    QAction* pmoClear;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolbar();
    void CreateCalendar();
    void CreateStatusPanel();
    void CreateMenus();
    void Activated();
    bool HandleKey(int key);
    // Saves the list when it changed; false when it could not be saved (the window stays).
    bool SaveOnClose();
    void MoveToEntryDay(const BirthdayEntry& entry);
    void DrawCalendarCell(QPainter& canvas, int col, int row, const QRect& rect, int state);
    void ContextPopup(QPoint mousePos, bool& handled);
    double SelectedDate() const;

    widgets::Services& services_;
};

} // namespace birthdays
