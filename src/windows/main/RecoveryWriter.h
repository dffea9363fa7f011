// Keeps a recovery file beside the open diary while it has unsaved changes, so that a crash, a
// power cut or a killed process costs no writing: a few seconds after a change, then at most
// every 30 seconds while changes keep coming, the records are written (in the diary format,
// with the diary's password) on a worker thread, never blocking the window.
#pragma once

#include "model/session/DiarySession.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    explicit RecoveryWriter(DiarySession& session);
    ~RecoveryWriter() override;

    // The records changed: a write is planned unless one is already.
    void Changed();
    // Writes now, on the worker (tests and the end of a session).
    void WriteNow();
    // Stops planning and waits for a write in progress.
    void Stop();
    bool Wrote() const { return wrote_; }
    bool Writing() const { return worker_ != nullptr; }

    // Told on the window's thread after each write.
    std::function<void(const SessionResult&)> OnWritten;

private:
    void Finished();

    DiarySession& session_;
    QTimer timer_;
    QElapsedTimer sinceWrite_;
    std::unique_ptr<QThread> worker_;
    SessionResult result_;
    bool pending_ = false;
    bool wrote_ = false;
};
