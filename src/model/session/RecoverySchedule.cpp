#include "model/session/RecoverySchedule.h"

#include <algorithm>
#include <chrono>

using base::result::Result;
using base::result::Status;
using base::text::LineList;

namespace model::session {

namespace {

constexpr int FirstWriteDelayMs = 3000;
constexpr int WriteIntervalMs = 30000;

} // namespace

int RecoveryDelayMs(std::optional<long long> msSinceLastWrite)
{
    if (!msSinceLastWrite)
        return FirstWriteDelayMs;
    const long long wait = WriteIntervalMs - *msSinceLastWrite;
    return static_cast<int>(std::max<long long>(FirstWriteDelayMs, wait));
}

long long RecoverySchedule::SteadyClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

RecoverySchedule::RecoverySchedule(DiarySession& session, RecoveryWorker& worker, Clock clock)
    : session_(session), worker_(worker), clock_(std::move(clock))
{
    session_.AddListener(*this);
}

RecoverySchedule::~RecoverySchedule()
{
    session_.RemoveListener(*this);
}

void RecoverySchedule::DiaryChanged(DiaryChange change)
{
    if (change != DiaryChange::Saved && session_.Dirty())
        Plan();
}

void RecoverySchedule::Plan()
{
    pending_ = true;
    if (planned_ || writing_)
        return;
    const auto since = lastWriteStart_ ? std::optional<long long>(clock_() - *lastWriteStart_) : std::nullopt;
    planned_ = true;
    worker_.StartTimer(RecoveryDelayMs(since));
}

void RecoverySchedule::WriteNow()
{
    worker_.StopTimer();
    planned_ = false;
    if (writing_ || !session_.Dirty() || session_.DiaryFile().empty())
        return;
    pending_ = false;
    lastWriteStart_ = clock_();
    writing_ = true;
    worker_.StartWrite(session_.RecoveryFile(), session_.Text().Lines(), session_.Lock());
}

void RecoverySchedule::WriteFinished(const Status& written)
{
    writing_ = false;
    wrote_ = wrote_ || written.Ok();
    if (pending_)
        Plan();
}

void RecoverySchedule::Stop()
{
    worker_.StopTimer();
    planned_ = false;
    pending_ = false;
    if (writing_) {
        const Status written = worker_.WaitForWrite();
        writing_ = false;
        wrote_ = wrote_ || written.Ok();
    }
}

void RecoverySchedule::Discard()
{
    Stop();
    if (wrote_ || recovered_)
        session_.RemoveRecovery();
}

void RecoverySchedule::WriteBeforeSessionEnd()
{
    Stop();
    // Nobody is left to tell of a failure: the desktop is going away.
    (void)WriteDiaryCopy(session_.RecoveryFile(), session_.Text().Lines(), session_.Lock());
}

Result<std::optional<LineList>> RecoverySchedule::Find() const
{
    return session_.ReadRecovery();
}

void RecoverySchedule::Accept(LineList lines)
{
    recovered_ = true;
    session_.AcceptRecovery(std::move(lines));
}

Status RecoverySchedule::SetAside(const std::string& stamp)
{
    return session_.SetRecoveryAside(stamp);
}

} // namespace model::session
