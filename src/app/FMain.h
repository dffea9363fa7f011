// TfrmMain: the main window. Created before a diary is chosen, it holds the open diary's
// state (filled by the selection window) and the stored settings, and stores the diary last
// opened on its first activation. The calendar and editor join it later.
#pragma once

#include "settings/RegValues.h"
#include "base/TextLines.h"

#include <QMainWindow>

#include <string>

class QLabel;

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The stored settings (their table is in MainSettings.h).
    TRegValues reger;

    // The open diary. Paths are file-system names; Password is text in the diary code page.
    std::string DiaryFolder; // the program's folder, ending in a separator
    std::string DiaryFile;
    std::string BackupFile;
    std::string Password;
    bool NewDiary = false;
    TLines DiaryText;
    bool Dirty = false;
    bool FirstActivation = true;

protected:
    bool event(QEvent* event) override;

private:
    void FormActivate();

    QLabel* lblDiary;
};
