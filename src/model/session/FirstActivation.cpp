#include "model/session/FirstActivation.h"

#include <filesystem>

namespace model::session {

std::string FirstActivation::Complete(DiarySession& session, bool recovered)
{
    pending_ = false;
    if (!recovered && !session.MergedCopies())
        session.DropChanges();
    session.Text().SetSorted(true);
    return std::filesystem::path(session.DiaryFile()).filename().string();
}

} // namespace model::session
