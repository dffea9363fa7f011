// The diary selection window in its two states: an existing diary chosen (the one opened last,
// with its password being typed), and a new diary being named.
#include "Screenshots.h"

#include "windows/selection/OpenDiaryDialog.h"
#include "windows/main/MainWindow.h"
#include "formats/diary/DiaryFile.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QImage ShowEntry(const std::function<void(OpenDiaryDialog&)>& prepare)
{
    screenshots::ShotServices services;
    for (const char* name : {"My Diary.dry", "Travel.dry", "Work notes.dry"})
        (void)SaveDiary(services.Folder() + "/" + name, {}, "secret");
    MainWindow main(*services);
    main.reger.SetValue("LastDiaryName", "my diary.dry");
    OpenDiaryDialog entry(main);
    entry.show();
    QApplication::processEvents();
    prepare(entry);
    return screenshots::Grab(entry);
}

} // namespace

DAYBROOK_SCREENSHOT("entry-existing-diary", [] {
    return ShowEntry([](OpenDiaryDialog& entry) { entry.EdtPassword->setText(QStringLiteral("my pass")); });
});

DAYBROOK_SCREENSHOT("entry-new-diary", [] {
    return ShowEntry([](OpenDiaryDialog& entry) {
        entry.CBDiary->setCurrentIndex(0);
        entry.CBDiaryChange();
        entry.btnNext->Click();
    });
});

DAYBROOK_SCREENSHOT("entry-choose-new", [] {
    return ShowEntry([](OpenDiaryDialog& entry) {
        entry.CBDiary->setCurrentIndex(0);
        entry.CBDiaryChange();
    });
});
