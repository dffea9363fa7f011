// What opening a diary asks besides its password: whether to open it read-only when another
// opening holds its lock, and whether to merge the conflict copies a sync engine left beside it.
#pragma once

#include "model/session/DiarySession.h"

class QWidget;

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::selection {

// Takes the lock beside the session's diary into the session, asking when another opening
// holds it: Open read-only, Open anyway (a lock of another host) or Cancel; false on Cancel.
bool TakeWriterLock(QWidget* parent, widgets::services::Services& services, model::session::DiarySession& session);

// Offers to merge the diary's conflict copies into it; each one merged is renamed to
// "<copy>.merged", one that does not open is reported and left alone.
void OfferConflictCopies(QWidget* parent, widgets::services::Services& services,
                         model::session::DiarySession& session);

} // namespace windows::selection
