#include "model/session/FirstActivation.h"

#include <filesystem>

std::string FirstActivation::Complete(DiarySession& session, bool recovered)
{
    pending_ = false;
    if (!recovered)
        session.DropChanges();
    session.Text().SetSorted(true);
    return std::filesystem::path(session.DiaryFile()).filename().string();
}
