// TfrmMain: the main window. Created before a diary is chosen, it holds the diary session
// (filled by the selection window) and the stored settings, and stores the diary last opened
// on its first activation. The calendar and editor join it later.
#pragma once

#include "session/DiarySession.h"
#include "settings/RegValues.h"

#include <QMainWindow>

class QLabel;
namespace widgets {
class TServices;
}

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(widgets::TServices& services);
    ~TfrmMain() override;

    widgets::TServices& Services() const { return services_; }
    TDiarySession& Session() { return session_; }

    // The stored settings (their table is in MainSettings.h).
    TRegValues reger;
    bool FirstActivation = true;

protected:
    bool event(QEvent* event) override;

private:
    void FormActivate();

    widgets::TServices& services_;
    TDiarySession session_;
    QLabel* lblDiary;
};
