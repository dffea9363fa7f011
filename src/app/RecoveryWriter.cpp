#include "app/RecoveryWriter.h"

#include "session/DayFlow.h"

TRecoveryWriter::TRecoveryWriter(TDiarySession& session) : session_(session)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TRecoveryWriter::WriteNow);
}

TRecoveryWriter::~TRecoveryWriter()
{
    Stop();
}

void TRecoveryWriter::Changed()
{
    pending_ = true;
    if (timer_.isActive() || worker_)
        return;
    const auto since = sinceWrite_.isValid() ? std::optional<long long>(sinceWrite_.elapsed()) : std::nullopt;
    timer_.start(RecoveryDelayMs(since));
}

void TRecoveryWriter::WriteNow()
{
    timer_.stop();
    if (worker_ || !session_.Dirty() || session_.DiaryFile.empty())
        return;
    pending_ = false;
    sinceWrite_.restart();
    worker_.reset(QThread::create([this, file = session_.RecoveryFile(), lines = session_.DiaryText().Lines(),
                                   lock = session_.Lock()] {
        result_ = WriteDiaryCopy(file, lines, lock);
    }));
    connect(worker_.get(), &QThread::finished, this, &TRecoveryWriter::Finished, Qt::QueuedConnection);
    worker_->start(QThread::LowPriority);
}

void TRecoveryWriter::Finished()
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

void TRecoveryWriter::Stop()
{
    timer_.stop();
    pending_ = false;
    if (worker_) {
        worker_->wait();
        worker_.reset();
        wrote_ = wrote_ || result_.Ok();
    }
}
