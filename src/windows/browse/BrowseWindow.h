// BrowseWindow: the modal window that lists every entry of the open diary, newest first,
// with its date, mood picture and title. The user steps through the list, searches the titles
// (and, on request, the texts) and jumps to the chosen entry: Execute returns its index in
// DiaryText. The window reads the diary and changes nothing in it.
#pragma once

#include "windows/browse/BrowseModel.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QTreeView;
class DiarySession;
class FlatEdit;
class PackedResources;
namespace widgets {
class HatchedPanel;
class ToolButton;
class Services;
} // namespace widgets

class BrowseWindow : public QDialog {
    Q_OBJECT

public:
    BrowseWindow(QWidget* owner, widgets::Services& services, DiarySession& session,
                    PackedResources& rStore);

    // Shows the window modally with the skin's background and a list made afresh; returns
    // BrowseSelection.
    int Execute(int currentSkin);

    // The chosen record's index in DiaryText; -1 when the window closed without a jump.
    int BrowseSelection = -1;

    widgets::HatchedPanel* htchpnlBack;
    QLabel* image_Bck;
    widgets::ToolButton* btnPrevDay;
    widgets::ToolButton* btnGoto;
    widgets::ToolButton* btnNextDay;
    QFrame* bvlSeparator;
    QLabel* lblSearchFor;
    FlatEdit* edtNeedle;
    QCheckBox* cbFull;
    QLabel* lblFull;
    widgets::ToolButton* btnSearch;
    widgets::ToolButton* btnClose;
    QTreeView* DLV;

    void btnPrevDayClick();
    void btnNextDayClick();
    void btnGotoClick();
    void btnSearchClick();
    void lblFullClick();
    void btnCloseClick();

    // The selected row of the list, if any.
    std::optional<size_t> SelectedRow() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateList();
    void FormActivate();
    void ApplySkin();
    void FillList();
    void Step(bool up);
    void SelectRow(size_t row);

    widgets::Services& services_;
    DiarySession& session_;
    PackedResources& rStore_;
    BrowseModel* model_;
    int currentSkin_ = 0;
    int shownSkin_ = -1; // the skin whose background the window shows
};
