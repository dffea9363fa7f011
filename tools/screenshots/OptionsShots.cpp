// The tools window, the progress window of an export and the about window, in the skins the
// main window hands them.
#include "Screenshots.h"

#include "options/FAbout.h"
#include "options/FOptions.h"
#include "options/FProgress.h"
#include "platform/Collation.h"
#include "session/DiarySession.h"
#include "settings/RegValues.h"
#include "storage/ResStore.h"

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
    TDiarySession session(services.Folder(), platform::CompareText);
    TRegValues reger((*services).SettingsStore());
    TRessourceStore store;
    LoadProgramRessources(store);
    TfrmOptions options(nullptr, *services, session, reger, store, TOptionsHost{});
    return WhileShown(options, skin);
}

} // namespace

DAYBROOK_SCREENSHOT("options-window", [] { return OptionsWindow(0); });
DAYBROOK_SCREENSHOT("options-window-skin5", [] { return OptionsWindow(5); });

DAYBROOK_SCREENSHOT("options-progress", [] {
    TfrmProgress progress(nullptr);
    progress.Start(3650);
    QApplication::processEvents();
    return progress.grab().toImage();
});

DAYBROOK_SCREENSHOT("about-window", [] {
    screenshots::ShotServices services;
    TRessourceStore store;
    LoadProgramRessources(store);
    TfrmAbout about(nullptr, *services, store);
    return WhileShown(about, 2);
});
