// The timer and the worker thread of the recovery file: a RecoverySchedule (the rules, in the
// model) over a one-shot QTimer and a QThread, so that writing the records never blocks the
// window.
#pragma once

#include "model/session/RecoverySchedule.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <memory>

class RecoveryWriter : public QObject, private RecoveryWorker {
    Q_OBJECT
public:
    explicit RecoveryWriter(DiarySession& session);
    // Waits for a write in progress.
    ~RecoveryWriter() override;
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    RecoverySchedule& Schedule() { return schedule_; }
    // Writes now, on the worker (tests and benchmarks).
    void WriteNow() { schedule_.WriteNow(); }
    bool Writing() const { return schedule_.Writing(); }

private:
    void StartTimer(int delayMs) override;
    void StopTimer() override;
    void StartWrite(std::string file, LineList lines, DiaryLock lock) override;
    result::Status WaitForWrite() override;
    void Finished();

    QTimer timer_;
    std::unique_ptr<QThread> worker_;
    result::Status result_;
    RecoverySchedule schedule_;
};
