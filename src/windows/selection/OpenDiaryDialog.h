// OpenDiaryDialog: the small window shown at start in which the user picks a diary of the
// program's folder and types its password, or names a new diary and chooses its password. It
// opens or creates the diary in the session it is handed; Exit (the dialog rejected) ends the
// program.
#pragma once

#include "windows/selection/PictureComboBox.h"
#include "model/session/DiarySession.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;

namespace widgets::controls {
class FlatEdit;
class SpeedButton;
} // namespace widgets::controls

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::selection {

class OpenDiaryDialog : public QDialog {
    Q_OBJECT

public:
    // The diaries offered are the session folder's; lastDiaryName (diary code page, ".dry"
    // included, any letter case) is preselected when it is one of them.
    OpenDiaryDialog(QWidget* parent, widgets::services::Services& services,
                    model::session::DiarySession& session, const std::string& lastDiaryName);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ListDiaries(const std::string& lastDiaryName);
    void ShowPreselection();
    void ApplyListChoice();
    void FocusNothing();
    void OnNextClicked();
    void OnBackClicked();
    void OnDiaryChosen();
    void OpenChosenDiary();
    void CreateNewDiary();
    void Complain(const QString& text, const QString& caption);

    widgets::services::Services& services_;
    model::session::DiarySession& session_;
    PictureList diaryPictures_;
    // The list index of the diary last opened, 0 ("* New Diary *") when none of the list.
    int preselectIndex_ = 0;
    // 0 while a diary is chosen; 1 while a new one is named, or an existing one opened.
    int step_ = 0;
    bool activated_ = false;
    std::optional<QPoint> dragOffset_;

    QLabel* backgroundImage_ = nullptr;
    QLabel* diaryImage_ = nullptr;
    QLabel* diaryLabel_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    PictureComboBox* diaryList_ = nullptr;
    widgets::controls::FlatEdit* diaryNameEdit_ = nullptr;
    widgets::controls::FlatEdit* passwordEdit_ = nullptr;
    // Shown while a new diary is named: write it sealed (enciphered) rather than plain.
    QCheckBox* sealCheck_ = nullptr;
    QFrame* bevel_ = nullptr;
    widgets::controls::SpeedButton* backButton_ = nullptr;
    widgets::controls::SpeedButton* nextButton_ = nullptr;
};

// Opens the named diary (or its backup) into the session, telling the user what happened;
// true when a diary was opened.
bool OpenDiary(QWidget* parent, widgets::services::Services& services, model::session::DiarySession& session,
               const std::string& name, const std::string& password);

} // namespace windows::selection
