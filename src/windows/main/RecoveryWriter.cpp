#include "windows/main/RecoveryWriter.h"

using base::result::Status;
using base::text::LineList;
using formats::diary::DiaryLock;
using model::session::DiarySession;
using model::session::WriteDiaryCopy;

namespace windows::main {

RecoveryWriter::RecoveryWriter(DiarySession& session) : schedule_(session, *this)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { schedule_.WriteNow(); });
}

RecoveryWriter::~RecoveryWriter()
{
    schedule_.Stop();
}

void RecoveryWriter::StartTimer(int delayMs)
{
    timer_.start(delayMs);
}

void RecoveryWriter::StopTimer()
{
    timer_.stop();
}

void RecoveryWriter::StartWrite(std::string file, LineList lines, DiaryLock lock)
{
    worker_.reset(QThread::create([this, file = std::move(file), lines = std::move(lines), lock = std::move(lock)] {
        result_ = WriteDiaryCopy(file, lines, lock);
    }));
    connect(worker_.get(), &QThread::finished, this, &RecoveryWriter::Finished, Qt::QueuedConnection);
    worker_->start(QThread::LowPriority);
}

void RecoveryWriter::Finished()
{
    if (!worker_)
        return; // waited for already
    worker_->wait();
    worker_.reset();
    schedule_.WriteFinished(result_);
}

Status RecoveryWriter::WaitForWrite()
{
    if (worker_) {
        worker_->wait();
        worker_.reset();
    }
    return result_;
}

} // namespace windows::main
