// The timer and the worker thread of the recovery file: a RecoverySchedule (the rules, in the
// model) over a one-shot QTimer and a QThread, so that writing the records never blocks the
// window.
#pragma once

#include "model/session/RecoverySchedule.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <memory>

namespace windows::main {

class RecoveryWriter : public QObject, private model::session::RecoveryWorker {
    Q_OBJECT
public:
    explicit RecoveryWriter(model::session::DiarySession& session);
    // Waits for a write in progress.
    ~RecoveryWriter() override;
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    model::session::RecoverySchedule& Schedule() { return schedule_; }
    // Writes now, on the worker (tests and benchmarks).
    void WriteNow() { schedule_.WriteNow(); }
    bool Writing() const { return schedule_.Writing(); }

private:
    void StartTimer(int delayMs) override;
    void StopTimer() override;
    void StartWrite(std::string file, base::text::LineList lines, formats::diary::DiaryLock lock) override;
    base::result::Status WaitForWrite() override;
    void Finished();

    QTimer timer_;
    std::unique_ptr<QThread> worker_;
    base::result::Status result_;
    model::session::RecoverySchedule schedule_;
};

} // namespace windows::main
