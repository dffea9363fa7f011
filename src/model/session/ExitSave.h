// How the open diary is written when the program ends: the close box's question before the
// run's changes are dropped, the exit save that asks again until the diary is saved, copied
// elsewhere or left unsaved on the user's explicit choice, and the save without questions when
// the desktop session ends. The window asks what this class tells it to ask.
#pragma once

#include "model/session/DiarySession.h"
#include "model/session/RecoverySchedule.h"

#include <optional>
#include <string>

namespace model::session {

// What the user chooses after the diary could not be saved.
enum class AfterFailedSave { TryAgain, SaveElsewhere, ExitWithoutSaving };

// The questions of the program's end, asked through the window's dialogs.
class ExitQuestions {
public:
    // The close box was used while the run has changes: true drops them.
    virtual bool DropChanges() = 0;
    // The diary could not be saved, for the reason given.
    virtual AfterFailedSave AskAfterFailedSave(const std::string& reason) = 0;
    // The file to write the diary to instead (suggested: the diary's own), nothing when cancelled.
    virtual std::optional<std::string> AskCopyFile(const std::string& suggested) = 0;
    // The copy could not be written either.
    virtual void TellCopyFailed(const std::string& reason) = 0;

protected:
    ExitQuestions() = default;
    ExitQuestions(const ExitQuestions&) = default;
    ExitQuestions& operator=(const ExitQuestions&) = default;
    ~ExitQuestions() = default;
};

// Where the run's writing went at the end.
enum class ExitSaveEnd {
    Saved,       // in the diary file (or nothing was unsaved); the recovery file is removed
    Copied,      // in a copy the user chose; the recovery file stays too
    LeftUnsaved, // the user chose to exit without saving; the recovery file stays
};

class ExitSave {
public:
    ExitSave(DiarySession& session, RecoverySchedule& recovery) : session_(session), recovery_(recovery) {}

    // Leaving through the close box, the shown day stored: false keeps the program running.
    // A run with changes asks first; dropping them removes the recovery file.
    bool MayClose(ExitQuestions& questions);
    // Writes the diary as the program ends, asking after each failure; done once.
    ExitSaveEnd Finish(ExitQuestions& questions);
    bool Finished() const { return finished_; }

    // Whether the end of the desktop session saves: only while a diary is shown and the
    // program has not ended already.
    bool SavesAtSessionEnd(bool diaryShown) const { return diaryShown && !finished_; }
    // The desktop session ends: saves without asking; when that fails the records go to the
    // recovery file at once, so that the next start offers them.
    void SaveAtSessionEnd();

private:
    ExitSaveEnd SaveAsking(ExitQuestions& questions);

    DiarySession& session_;
    RecoverySchedule& recovery_;
    bool finished_ = false;
};

} // namespace model::session
