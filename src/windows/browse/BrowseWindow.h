// BrowseWindow: the modal window that lists every entry of the open diary, newest first,
// with its date, mood picture and title. The user steps through the list, searches the titles
// (and, on request, the texts) and jumps to the chosen entry: Execute returns its index in
// DiaryText. The window reads the diary and changes nothing in it.
#pragma once

#include "windows/browse/BrowseModel.h"
#include "model/browse/SearchCache.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QTreeView;

namespace formats::resources {
class PackedResources;
} // namespace formats::resources

namespace model::session {
class DiarySession;
} // namespace model::session

namespace widgets::controls {
class FlatEdit;
class HatchedPanel;
class ToolButton;
} // namespace widgets::controls

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::browse {

class BrowseWindow : public QDialog {
    Q_OBJECT

public:
    BrowseWindow(QWidget* owner, widgets::services::Services& services, model::session::DiarySession& session,
                 formats::resources::PackedResources& resources);

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
    // Search as the user types: selects the first match at or after the row the typing began at.
    void OnSearchTextEdited();

    widgets::services::Services& services_;
    model::session::DiarySession& session_;
    formats::resources::PackedResources& resources_;
    BrowseModel* model_;
    int currentSkin_ = 0;
    int shownSkin_ = -1; // the skin whose background the window shows
    int selection_ = -1;
    model::browse::SearchCache searchCache_;
    std::optional<size_t> typingFrom_; // the row the typing began at, while typing goes on

    widgets::controls::HatchedPanel* backgroundPanel_;
    QLabel* backgroundPicture_;
    widgets::controls::ToolButton* previousDayButton_;
    widgets::controls::ToolButton* gotoButton_;
    widgets::controls::ToolButton* nextDayButton_;
    QFrame* separator_;
    QLabel* searchLabel_;
    widgets::controls::FlatEdit* searchEdit_;
    QLabel* matchCountLabel_;
    QCheckBox* fullContentCheck_;
    QLabel* fullContentLabel_;
    widgets::controls::ToolButton* searchButton_;
    widgets::controls::ToolButton* closeButton_;
    QTreeView* entryList_;
};

} // namespace windows::browse
