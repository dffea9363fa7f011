// The diary selection window in its two states: an existing diary chosen (the one opened last,
// with its password being typed), and a new diary being named.
#include "Screenshots.h"

#include "app/Application.h"
#include "app/FEntry.h"
#include "app/FMain.h"
#include "storage/DiaryFile.h"
#include "widgets/KvCoolEdit.h"
#include "widgets/LbSpeedButton.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// A program folder with three diaries, and its own registry file, chosen before the main
// window reads its settings.
struct ShotFolder {
    explicit ShotFolder(const QTemporaryDir& folder)
    {
        const std::string path = folder.path().toStdString();
        for (const char* name : {"My Diary.dry", "Travel.dry", "Work notes.dry"})
            SaveDiary(path + "/" + name, {}, "secret");
        setenv("DAYBROOK_FOLDER", path.c_str(), 1);
        setenv("DAYBROOK_REGISTRY", (path + "/registry.reg").c_str(), 1);
        SetApplicationTitle(QStringLiteral("The Daybrook"));
    }
};

QImage ShowEntry(const std::function<void(TfrmEntry&)>& prepare)
{
    const QTemporaryDir folder;
    const ShotFolder shot(folder);
    TfrmMain main;
    main.reger.SetValue("LastDiaryName", "my diary.dry");
    TfrmEntry entry(main);
    entry.show();
    QApplication::processEvents();
    prepare(entry);
    return screenshots::Grab(entry);
}

} // namespace

DAYBROOK_SCREENSHOT("entry-existing-diary", [] {
    return ShowEntry([](TfrmEntry& entry) { entry.EdtPassword->setText(QStringLiteral("my pass")); });
});

DAYBROOK_SCREENSHOT("entry-new-diary", [] {
    return ShowEntry([](TfrmEntry& entry) {
        entry.CBDiary->setCurrentIndex(0);
        entry.CBDiaryChange();
        entry.btnNext->Click();
    });
});

DAYBROOK_SCREENSHOT("entry-choose-new", [] {
    return ShowEntry([](TfrmEntry& entry) {
        entry.CBDiary->setCurrentIndex(0);
        entry.CBDiaryChange();
    });
});
