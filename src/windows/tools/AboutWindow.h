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
    AboutWindow(QWidget* owner, widgets::Services& services, PackedResources& resources);

    // Shows the window modally in the skin's pictures.
    void Execute(int currentSkin);

    // Hands the web page to the desktop's default handler (tests replace it).
    std::function<void(const QUrl&)> OpenUrl;

private:
    QLabel* aboutLabel_;
    QLabel* visitLabel_;
    widgets::ToolButton* webSiteButton_;
    widgets::ToolButton* closeButton_;
};
