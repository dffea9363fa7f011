// What the main window's first activation does with the diary the selection window opened:
// once only, the records are sorted for the calendar and any change marked before (none but a
// recovery's) is dropped unless records were recovered or conflict copies merged in; the diary's file name is then the one
// the next start preselects.
#pragma once

#include "model/session/DiarySession.h"

#include <string>

namespace model::session {

class FirstActivation {
public:
    bool Pending() const { return pending_; }
    // Prepares the session as above; the file name of the diary (file-system bytes) to store
    // as the one opened last.
    std::string Complete(DiarySession& session, bool recovered);

private:
    bool pending_ = true;
};

} // namespace model::session
