// AboutWindow: the about window: the product's title line with the current year, a few words on
// what the program does, and a button to its web page. It shares the tools window's look.
#pragma once

#include "windows/tools/ToolDialog.h"

#include <QUrl>

#include <functional>

namespace widgets {
class ToolButton;
class Services;
} // namespace widgets

class AboutWindow : public ToolDialog {
    Q_OBJECT

public:
    AboutWindow(QWidget* owner, widgets::Services& services, PackedResources& rStore);

    // Shows the window modally in the skin's pictures.
    void Execute(int currentSkin);

    QLabel* lblAbout;
    QLabel* Label1;
    widgets::ToolButton* BtnWebSite;
    widgets::ToolButton* BtnClose;

    // Hands the web page to the desktop's default handler.
    std::function<void(const QUrl&)> OpenUrl;
};
