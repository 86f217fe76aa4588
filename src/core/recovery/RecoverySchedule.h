// When a document's recovery file is written: once the typing has paused for five seconds
// after a change, so a write never lands between two keystrokes; and, for someone who
// types on without such a pause, at the latest half a minute after the first change that
// the file does not hold yet. A write that failed is tried again after half a minute.
#pragma once

#include <chrono>
#include <optional>

namespace velto {

class RecoverySchedule {
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;
    static constexpr Clock::duration IdleDelay = std::chrono::seconds(5);
    static constexpr Clock::duration LongestWait = std::chrono::seconds(30);
    static constexpr Clock::duration RetryDelay = std::chrono::seconds(30);

    // The text changed at now and the recovery file does not hold the change.
    void Changed(TimePoint now);
    // The text as it is went to the file (a write may still be on its way to the disk).
    void Written();
    // A write at now failed: the text it was to hold is still to be written, but not
    // before the retry delay. The failure of a write handed on earlier, with Written
    // called since, makes the text pending again.
    void Failed(TimePoint now);
    // Nothing to write any more (the document was saved or closed).
    void Clear();

    [[nodiscard]] bool Pending() const { return firstChange_.has_value(); }
    // When the next write is due; nothing when there is nothing to write.
    [[nodiscard]] std::optional<TimePoint> DueAt() const;
    [[nodiscard]] bool IsDue(TimePoint now) const;

private:
    std::optional<TimePoint> firstChange_;
    TimePoint lastChange_{};
    std::optional<TimePoint> retryAt_;
};

} // namespace velto
