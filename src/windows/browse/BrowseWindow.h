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
                 PackedResources& resources);

    // Shows the window modally with the skin's background and a list made afresh; returns the
    // chosen record's index in DiaryText, -1 when the window closed without a jump.
    int Execute(int currentSkin);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateList();
    void PrepareShowing();
    void ApplySkin();
    void FillList();
    std::optional<size_t> SelectedRow() const;
    void Step(bool up);
    void SelectRow(size_t row);

    void OnGotoClicked();
    void OnSearchClicked();

    widgets::Services& services_;
    DiarySession& session_;
    PackedResources& resources_;
    BrowseModel* model_;
    int currentSkin_ = 0;
    int shownSkin_ = -1; // the skin whose background the window shows
    int selection_ = -1;

    widgets::HatchedPanel* backgroundPanel_;
    QLabel* backgroundPicture_;
    widgets::ToolButton* previousDayButton_;
    widgets::ToolButton* gotoButton_;
    widgets::ToolButton* nextDayButton_;
    QFrame* separator_;
    QLabel* searchLabel_;
    FlatEdit* searchEdit_;
    QCheckBox* fullContentCheck_;
    QLabel* fullContentLabel_;
    widgets::ToolButton* searchButton_;
    widgets::ToolButton* closeButton_;
    QTreeView* entryList_;
};
