// The tools window, the progress window of an export and the about window, in the skins the
// main window hands them.
#include "Screenshots.h"

#include "windows/tools/AboutWindow.h"
#include "windows/tools/ToolsWindow.h"
#include "windows/tools/ProgressWindow.h"
#include "platform/locale/Collation.h"
#include "model/session/DiarySession.h"
#include "model/settings/Settings.h"
#include "formats/resources/PackedResources.h"

#include <QApplication>
#include <QTimer>

namespace {

// Executes the modal window and grabs it while it shows.
template <class Window> QImage WhileShown(Window& window, int skin)
{
    QImage shot;
    QTimer::singleShot(0, &window, [&] {
        shot = window.grab().toImage();
        window.reject();
    });
    window.Execute(skin);
    return shot;
}

QImage OptionsWindow(int skin)
{
    screenshots::ShotServices services;
    DiarySession session(services.Folder(), platform::CompareText);
    Settings reger((*services).SettingsStore());
    PackedResources store;
    LoadProgramRessources(store);
    ToolsWindow options(nullptr, *services, session, reger, store, ToolsWindowHost{});
    return WhileShown(options, skin);
}

} // namespace

DAYBROOK_SCREENSHOT("options-window", [] { return OptionsWindow(0); });
DAYBROOK_SCREENSHOT("options-window-skin5", [] { return OptionsWindow(5); });

DAYBROOK_SCREENSHOT("options-progress", [] {
    ProgressWindow progress(nullptr);
    progress.Start(3650);
    QApplication::processEvents();
    return progress.grab().toImage();
});

DAYBROOK_SCREENSHOT("about-window", [] {
    screenshots::ShotServices services;
    PackedResources store;
    LoadProgramRessources(store);
    AboutWindow about(nullptr, *services, store);
    return WhileShown(about, 2);
});
