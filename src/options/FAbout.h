// TfrmAbout: the about window: the product's title line with the current year, a few words on
// what the program does, and a button to its web page. It shares the tools window's look.
#pragma once

#include "options/ToolDialog.h"

#include <QUrl>

#include <functional>

namespace widgets {
class TKvToolButton;
class TServices;
} // namespace widgets

class TfrmAbout : public TToolDialog {
    Q_OBJECT

public:
    TfrmAbout(QWidget* owner, widgets::TServices& services, TRessourceStore& rStore);

    // Shows the window modally in the skin's pictures.
    void Execute(int currentSkin);

    QLabel* lblAbout;
    QLabel* Label1;
    widgets::TKvToolButton* BtnWebSite;
    widgets::TKvToolButton* BtnClose;

    // Hands the web page to the desktop's default handler.
    std::function<void(const QUrl&)> OpenUrl;
};
