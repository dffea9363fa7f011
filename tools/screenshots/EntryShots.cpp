// The diary selection window in its two states: an existing diary chosen (the one opened last,
// with its password being typed), and a new diary being named.
#include "Screenshots.h"

#include "windows/selection/OpenDiaryDialog.h"
#include "formats/diary/DiaryFile.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SpeedButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

using formats::diary::SaveDiary;
using model::session::DiarySession;
using platform::locale::CompareText;
using widgets::controls::FlatEdit;
using widgets::controls::SpeedButton;
using windows::selection::OpenDiaryDialog;

namespace {

QImage ShowEntry(const std::function<void(OpenDiaryDialog&)>& prepare)
{
    screenshots::ShotServices services;
    for (const char* name : {"My Diary.dry", "Travel.dry", "Work notes.dry"})
        SaveDiary(services.Folder() + "/" + name, {}, "secret");
    DiarySession session((*services).ProgramFolder().string(), CompareText);
    OpenDiaryDialog entry(nullptr, *services, session, "my diary.dry");
    entry.show();
    QApplication::processEvents();
    prepare(entry);
    return screenshots::Grab(entry);
}

void ChooseNewDiary(OpenDiaryDialog& entry)
{
    auto* list = entry.findChild<QComboBox*>("diaryList");
    list->setCurrentIndex(0);
    emit list->activated(0);
}

} // namespace

DAYBROOK_SCREENSHOT("entry-existing-diary", [] {
    return ShowEntry([](OpenDiaryDialog& entry) {
        entry.findChild<FlatEdit*>("passwordEdit")->setText(QStringLiteral("my pass"));
    });
});

DAYBROOK_SCREENSHOT("entry-new-diary", [] {
    return ShowEntry([](OpenDiaryDialog& entry) {
        ChooseNewDiary(entry);
        entry.findChild<SpeedButton*>("nextButton")->Click();
    });
});

DAYBROOK_SCREENSHOT("entry-choose-new", [] {
    return ShowEntry([](OpenDiaryDialog& entry) {
        ChooseNewDiary(entry);
    });
});
