// OpenDiaryDialog: the small window shown at start in which the user picks a diary of the program's
// folder and types its password, or names a new diary and chooses its password. It leaves the
// open diary's state in the main window's fields; Exit (the dialog rejected) ends the program.
#pragma once

#include "windows/selection/PictureComboBox.h"
#include "model/session/DiarySession.h"
#include "platform/files/FileLister.h"

#include <QDialog>

#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QFrame;
class QLabel;
class FlatEdit;
class MainWindow;
namespace widgets {
class SpeedButton;
class Services;
}

class OpenDiaryDialog : public QDialog {
    Q_OBJECT

public:
    explicit OpenDiaryDialog(MainWindow& main);

    QLabel* imgBack;
    QLabel* imgDiary;
    QLabel* LblDiary;
    QLabel* LblPassword;
    PictureComboBox* CBDiary;
    FlatEdit* EdtDiary;
    FlatEdit* EdtPassword;
    // Shown while a new diary is named: write it sealed (enciphered) rather than plain.
    QCheckBox* cbSealDiary;
    QFrame* Bevel;
    widgets::SpeedButton* btnPrev;
    widgets::SpeedButton* btnNext;
    FileLister FIT;
    PictureList ilDiary;

    // 0 while a diary is chosen; 1 while a new one is named, or an existing one opened.
    int Step = 0;
    // The list index of the diary last opened, 0 ("* New Diary *") when none of the list.
    int PreselectIndex = 0;

    void btnNextClick();
    void btnPrevClick();
    void CBDiaryChange();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ListDiaries();
    void FormActivate();
    void ApplyListChoice();
    void FocusNothing();
    void OpenChosenDiary();
    void CreateNewDiary();
    void Complain(const QString& text, const QString& caption);

    MainWindow& main_;
    bool activated_ = false;
    std::optional<QPoint> dragOffset_;
};

// Opens the named diary (or its backup) into the session, telling the user what happened;
// true when a diary was opened.
bool OpenDiary(QWidget* parent, widgets::Services& services, DiarySession& session, const std::string& name,
               const std::string& password);
