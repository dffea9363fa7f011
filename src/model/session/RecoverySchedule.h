// When the recovery file beside the open diary is written, and what becomes of it: while the
// run has unsaved changes the records are copied there a few seconds after a change, then at
// most every 30 seconds; a clean end removes the file this run wrote or took in; at the start
// a file left by a run that ended without saving is offered, and a declined one set aside.
// The timer and the writing thread belong to the window (RecoveryWorker); the rules are here.
#pragma once

#include "model/session/DiarySession.h"

#include <functional>
#include <optional>

namespace model::session {

// How long after a change the recovery file is written: a few seconds, and at least 30
// seconds after the previous write started. msSinceLastWrite: nothing when none was written.
int RecoveryDelayMs(std::optional<long long> msSinceLastWrite);

// What the schedule drives: a one-shot timer and a writer on another thread. Both report back
// on the schedule's thread: the timer through RecoverySchedule::WriteNow, a finished write
// through RecoverySchedule::WriteFinished.
class RecoveryWorker {
public:
    virtual void StartTimer(int delayMs) = 0;
    virtual void StopTimer() = 0;
    // Writes the copy of the records on another thread.
    virtual void StartWrite(std::string file, base::text::LineList lines, formats::diary::DiaryLock lock) = 0;
    // Waits for the write started; its result (WriteFinished is not called for it).
    virtual base::result::Status WaitForWrite() = 0;

protected:
    RecoveryWorker() = default;
    RecoveryWorker(const RecoveryWorker&) = default;
    RecoveryWorker& operator=(const RecoveryWorker&) = default;
    ~RecoveryWorker() = default;
};

class RecoverySchedule : public DiaryListener {
public:
    // Milliseconds of a steady clock.
    using Clock = std::function<long long()>;

    // Listens to the session from now on.
    RecoverySchedule(DiarySession& session, RecoveryWorker& worker, Clock clock = SteadyClock);
    ~RecoverySchedule();
    RecoverySchedule(const RecoverySchedule&) = delete;
    RecoverySchedule& operator=(const RecoverySchedule&) = delete;

    static long long SteadyClock();

    // A change of a diary with unsaved changes plans a write, unless one is planned or running.
    void DiaryChanged(DiaryChange change) override;
    // Writes now (the timer ran out; tests) unless a write runs or nothing is unsaved.
    void WriteNow();
    // A write started by WriteNow ended; a change meanwhile plans the next one.
    void WriteFinished(const base::result::Status& written);
    // Plans nothing more and waits for a write in progress.
    void Stop();
    // The run ends with its writing saved or dropped: stops, and removes the recovery file when
    // this run wrote it or took it in (one it did neither to stays untouched).
    void Discard();
    // The session ends before the diary could be saved: the records go to the recovery file
    // now, on this thread.
    void WriteBeforeSessionEnd();

    bool Writing() const { return writing_; }
    bool Wrote() const { return wrote_; }

    // At the start, before the diary is shown: the records of a recovery file left by an
    // earlier run, to be offered; nothing when there is none; a failure (why the file cannot be
    // used, in words) is to be told.
    base::result::Result<std::optional<base::text::LineList>> Find() const;
    // The user took the offered records in: they become the diary's, saved at exit.
    void Accept(base::text::LineList lines);
    // The user declined them: the file is kept under a name with the stamp.
    base::result::Status SetAside(const std::string& stamp);
    bool Recovered() const { return recovered_; }

private:
    void Plan();

    DiarySession& session_;
    RecoveryWorker& worker_;
    Clock clock_;
    std::optional<long long> lastWriteStart_;
    bool planned_ = false; // the timer runs
    bool pending_ = false; // a change waits to be written
    bool writing_ = false;
    bool wrote_ = false;
    bool recovered_ = false;
};

} // namespace model::session
