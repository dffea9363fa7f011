// AboutWindow: the about window: the product's title line with the current year, a few words on
// what the program does, and a button to its web page. It shares the tools window's look.
#pragma once

#include "windows/tools/ToolDialog.h"

#include <QUrl>

#include <functional>

namespace widgets::controls {
class ToolButton;
} // namespace widgets::controls

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::tools {

class AboutWindow : public ToolDialog {
    Q_OBJECT

public:
    AboutWindow(QWidget* owner, widgets::services::Services& services,
                formats::resources::PackedResources& resources);

    // Shows the window modally in the skin's pictures.
    void Execute(int currentSkin);

    // Hands the web page to the desktop's default handler (tests replace it).
    std::function<void(const QUrl&)> OpenUrl;

private:
    QLabel* aboutLabel_;
    QLabel* visitLabel_;
    widgets::controls::ToolButton* webSiteButton_;
    widgets::controls::ToolButton* closeButton_;
};

} // namespace windows::tools
