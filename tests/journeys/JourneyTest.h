// The program as the journeys start it: services of the test's own, a session, the main window
// and the diary selection window over it; diaries written beforehand and read back.
#pragma once

#include "formats/diary/DiaryFile.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "windows/main/MainWindow.h"
#include "windows/selection/OpenDiaryDialog.h"

#include "support/DiaryFixtures.h"
#include "support/TestServices.h"
#include "support/WindowFixtures.h"

#include <QComboBox>

#include <memory>

namespace journeys {

class JourneyTest : public ::testing::Test {
protected:
    std::filesystem::path PathOf(const std::string& name) const { return services_.folder / name; }

    void Diary(const std::string& name, const base::text::LineList& lines, const std::string& password)
    {
        ASSERT_TRUE(formats::diary::SaveDiary(PathOf(name), lines, password).Ok());
    }

    base::text::LineList Stored(const std::string& name, const std::string& password)
    {
        base::text::LineList lines;
        formats::diary::DiaryLock lock;
        EXPECT_TRUE(testing_support::LoadDiaryFileInto(PathOf(name), lines, password, lock));
        return lines;
    }

    // A new run of the program: a new session and main window.
    void NewRun()
    {
        entry_.reset();
        main_.reset();
        session_ = std::make_unique<model::session::DiarySession>(services_->ProgramFolder().string(),
                                                                  platform::locale::CompareText);
        session_->SealingKdf = formats::diary::CheapestKdf; // new diaries are sealed: keep keys cheap
        main_ = std::make_unique<windows::main::MainWindow>(*services_, *session_);
    }

    // The program's start, as far as the selection window.
    void StartSelection()
    {
        NewRun();
        entry_ = std::make_unique<windows::selection::OpenDiaryDialog>(
            main_.get(), *services_, *session_, main_->StoredSettings().GetValue("LastDiaryName")->ToString());
        entry_->show();
        QApplication::processEvents();
    }

    // Chooses an item of the selection window's list as a person does.
    void Choose(const QString& item)
    {
        auto& list = testing_support::Child<QComboBox>(*entry_, "diaryList");
        const int index = list.findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list.setCurrentIndex(index);
        emit list.activated(index);
    }

    testing_support::TestServices services_; // today is 15 March 2024
    std::unique_ptr<model::session::DiarySession> session_;
    std::unique_ptr<windows::main::MainWindow> main_;
    std::unique_ptr<windows::selection::OpenDiaryDialog> entry_;
};

} // namespace journeys
