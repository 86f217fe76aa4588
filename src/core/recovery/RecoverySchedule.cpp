// When a document's recovery file is written.
#include "core/recovery/RecoverySchedule.h"

#include <algorithm>

namespace velto {

void RecoverySchedule::Changed(TimePoint now) {
    if (!firstChange_)
        firstChange_ = now;
    lastChange_ = now;
}

void RecoverySchedule::Written() {
    Clear();
}

void RecoverySchedule::Failed(TimePoint now) {
    if (!firstChange_) {
        firstChange_ = now;
        lastChange_ = now;
    }
    retryAt_ = now + RetryDelay;
}

void RecoverySchedule::Clear() {
    firstChange_.reset();
    retryAt_.reset();
}

std::optional<RecoverySchedule::TimePoint> RecoverySchedule::DueAt() const {
    if (!firstChange_)
        return std::nullopt;
    const TimePoint due = std::min(lastChange_ + IdleDelay, *firstChange_ + LongestWait);
    return retryAt_ ? std::max(due, *retryAt_) : due;
}

bool RecoverySchedule::IsDue(TimePoint now) const {
    const std::optional<TimePoint> due = DueAt();
    return due && now >= *due;
}

} // namespace velto
