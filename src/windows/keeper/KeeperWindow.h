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

namespace widgets::calendar {
class KeeperCalendar;
} // namespace widgets::calendar

namespace widgets::controls {
class HatchedPanel;
class ToolButton;
} // namespace widgets::controls

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::keeper {

class StatusLineLabel;

class KeeperWindow : public QDialog {
    Q_OBJECT
public:
    KeeperWindow(QWidget* owner, widgets::services::Services& services);

    // Opens the keeper modally over owner: the caption replaces the designed one unless empty,
    // the colour the designed background unless it is that colour.
    static void Execute(QWidget* owner, const QString& caption, const QColor& color,
                        widgets::services::Services& services);

    // Reads the working store, once.
    void LoadOnce();

    void PrevMonth();
    void NextMonth();
    void LastMonthOfYear();
    void ShowToday();

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
    void RefreshMonthCaption();
    void RefreshStatus();
    bool HandleKey(int key);
    // Saves the list when it changed; false when it could not be saved (the window stays).
    bool SaveOnClose();
    void MoveToEntryDay(const model::birthdays::BirthdayEntry& entry);
    void DrawCalendarCell(QPainter& canvas, int col, int row, const QRect& rect, int state);
    // True when the menu must stay closed: the click was on no day of the month.
    bool OutsideTheMonth(QPoint mousePos) const;
    double SelectedDate() const;

    void FillCalendarMenu();
    void FillToolsMenu();
    void OnAddEntryChosen();
    void OnEditEntryChosen(int slot);
    void OnDeleteEntryChosen(int slot);
    void OnCalendarDoubleClicked();
    void OnBackupChosen();
    void OnRestoreChosen();
    void OnClearChosen();

    widgets::services::Services& services_;
    model::birthdays::BirthdayEntryComponent book_;
    bool loaded_ = false;

    widgets::calendar::KeeperCalendar* calendar_;
    widgets::controls::ToolButton* todayButton_;
    widgets::controls::ToolButton* previousMonthButton_;
    widgets::controls::ToolButton* nextMonthButton_;
    widgets::controls::ToolButton* toolsButton_;
    widgets::controls::ToolButton* exitButton_;
    QLabel* monthLabel_;
    widgets::controls::HatchedPanel* statusPanel_;
    StatusLineLabel* thisMonthLine_;
    StatusLineLabel* nextMonthLine_;
    QLabel* entryCountLabel_;
    QLabel* rightClickHint_;

    QMenu* calendarMenu_;
    QAction* addEntryAction_;
    QMenu* editEntryMenu_;
    QMenu* deleteEntryMenu_;
    std::array<QAction*, 4> editEntryActions_;
    std::array<QAction*, 4> deleteEntryActions_;
    QMenu* toolsMenu_;
    QAction* backupAction_;
    QAction* restoreAction_;
    QAction* clearAction_;
};

} // namespace windows::keeper
