#include "model/session/ExitSave.h"

using base::result::Status;

namespace model::session {

bool ExitSave::MayClose(ExitQuestions& questions)
{
    if (!session_.Dirty())
        return true;
    if (!questions.DropChanges())
        return false;
    session_.DropChanges();
    recovery_.Discard();
    return true;
}

ExitSaveEnd ExitSave::Finish(ExitQuestions& questions)
{
    recovery_.Stop();
    const ExitSaveEnd end = SaveAsking(questions);
    if (end == ExitSaveEnd::Saved)
        recovery_.Discard();
    finished_ = true;
    return end;
}

ExitSaveEnd ExitSave::SaveAsking(ExitQuestions& questions)
{
    while (session_.Dirty()) {
        const Status saved = session_.SaveAtExit();
        if (saved)
            break;
        switch (questions.AskAfterFailedSave(saved.Message())) {
        case AfterFailedSave::TryAgain:
            break;
        case AfterFailedSave::SaveElsewhere:
            // A cancelled file choice, or a copy that failed too, tries the diary file again.
            if (const auto file = questions.AskCopyFile(session_.DiaryFile())) {
                const Status copied = session_.SaveCopy(*file);
                if (copied)
                    return ExitSaveEnd::Copied;
                questions.TellCopyFailed(copied.Message());
            }
            break;
        case AfterFailedSave::ExitWithoutSaving:
            return ExitSaveEnd::LeftUnsaved;
        }
    }
    return ExitSaveEnd::Saved;
}

void ExitSave::SaveAtSessionEnd()
{
    recovery_.Stop();
    if (session_.SaveAtExit())
        recovery_.Discard();
    else
        recovery_.WriteBeforeSessionEnd();
}

} // namespace model::session
