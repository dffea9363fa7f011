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

#include <functional>

using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using model::session::DiarySession;
using model::settings::Settings;
using platform::locale::CompareText;
using widgets::editor::StoredFont;
using windows::tools::AboutWindow;
using windows::tools::ProgressWindow;
using windows::tools::ToolsWindow;

namespace {

// Executes the modal window and grabs it while it shows.
QImage WhileShown(QDialog& window, const std::function<void()>& execute)
{
    QImage shot;
    QTimer::singleShot(0, &window, [&] {
        shot = window.grab().toImage();
        window.reject();
    });
    execute();
    return shot;
}

QImage OptionsWindow(int skin)
{
    screenshots::ShotServices services;
    DiarySession session(services.Folder(), CompareText);
    Settings settings((*services).SettingsStore());
    PackedResources store;
    LoadProgramRessources(store);
    ToolsWindow options(nullptr, *services, session, settings, store);
    return WhileShown(options, [&] { options.Execute(skin, StoredFont{}); });
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
    return WhileShown(about, [&] { about.Execute(2); });
});
