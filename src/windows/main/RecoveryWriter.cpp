#include "windows/main/RecoveryWriter.h"

#include "model/session/DayFlow.h"

RecoveryWriter::RecoveryWriter(DiarySession& session) : session_(session)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::WriteNow);
}

RecoveryWriter::~RecoveryWriter()
{
    Stop();
}

void RecoveryWriter::Changed()
{
    pending_ = true;
    if (timer_.isActive() || worker_)
        return;
    const auto since = sinceWrite_.isValid() ? std::optional<long long>(sinceWrite_.elapsed()) : std::nullopt;
    timer_.start(RecoveryDelayMs(since));
}

void RecoveryWriter::WriteNow()
{
    timer_.stop();
    if (worker_ || !session_.Dirty() || session_.DiaryFile.empty())
        return;
    pending_ = false;
    sinceWrite_.restart();
    worker_.reset(QThread::create([this, file = session_.RecoveryFile(), lines = session_.Text().Lines(),
                                   lock = session_.Lock()] {
        result_ = WriteDiaryCopy(file, lines, lock);
    }));
    connect(worker_.get(), &QThread::finished, this, &RecoveryWriter::Finished, Qt::QueuedConnection);
    worker_->start(QThread::LowPriority);
}

void RecoveryWriter::Finished()
{
    if (!worker_)
        return;
    worker_->wait();
    worker_.reset();
    wrote_ = wrote_ || result_.Ok();
    if (OnWritten)
        OnWritten(result_);
    if (pending_)
        Changed();
}

void RecoveryWriter::Stop()
{
    timer_.stop();
    pending_ = false;
    if (worker_) {
        worker_->wait();
        worker_.reset();
        wrote_ = wrote_ || result_.Ok();
    }
}
