// The lock beside a diary that tells other openings, on this machine or on another one that
// shares or syncs the folder, who writes the diary: ".~lock.<diary file name>#" holding the
// user, host, process id, boot and time of the opening. A lock left by a process of this host
// that runs no more is stale and taken over.
#pragma once

#include "base/result/Result.h"

#include <optional>
#include <string>

namespace platform::files {

// Who holds a lock.
struct LockHolder {
    std::string User;
    std::string Host;
    long long Pid = 0;
    std::string Boot;  // the boot of the host it was taken in
    std::string Since; // local time "YYYY-MM-DD HH:MM"

    bool operator==(const LockHolder&) const = default;
};

// This machine's name, as locks and recovery files carry it.
std::string ThisHost();
// This process as a lock holder, now.
LockHolder ThisProcess();
// The lock file's path for the diary file's.
std::string LockFileOf(const std::string& diaryFile);

enum class LockState {
    Taken,         // this opening holds it
    HeldHere,      // a running process of this host holds it
    HeldElsewhere, // a process of another host holds it, or held it when that host stopped
    Unavailable,   // no lock can be made there (a read-only folder): nobody writes there either
};

class WriterLock {
public:
    explicit WriterLock(std::string diaryFile);
    // Releases a lock taken.
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // Takes the lock, taking over a stale one; otherwise Holder() tells who has it.
    LockState Take();
    // Takes the lock whoever holds it (the user chose to open the diary anyway).
    LockState TakeOver();
    // Removes the lock file when it is still this opening's.
    void Release();

    const LockHolder& Holder() const { return holder_; }

private:
    LockState Create();

    std::string file_;
    LockHolder holder_;
    LockHolder mine_;
    bool held_ = false;
};

// The lock file's text, and its reading (nothing for a text that is no lock of ours).
std::string LockText(const LockHolder& holder);
std::optional<LockHolder> ParseLockText(const std::string& text);

// Whether a lock of this holder is stale: taken on this host, in an earlier boot or by a
// process that runs no more.
bool IsStale(const LockHolder& holder);

} // namespace platform::files
