// When recovery files are written: after five idle seconds, never later than half a
// minute into steady typing, and not again at once after a failure.
#include "core/recovery/RecoverySchedule.h"

#include <gtest/gtest.h>

using namespace velto;
using namespace std::chrono_literals;

namespace {
const RecoverySchedule::TimePoint T0 = RecoverySchedule::TimePoint() + 1000s;
}

TEST(RecoverySchedule, NothingDueWithoutAChange) {
    RecoverySchedule s;
    EXPECT_FALSE(s.Pending());
    EXPECT_FALSE(s.DueAt());
    EXPECT_FALSE(s.IsDue(T0 + 1h));
}

TEST(RecoverySchedule, DueAfterFiveIdleSecondsEachChangeMovingItOn) {
    RecoverySchedule s;
    s.Changed(T0);
    EXPECT_FALSE(s.IsDue(T0 + 4s));
    s.Changed(T0 + 4s);
    EXPECT_FALSE(s.IsDue(T0 + 8s));
    EXPECT_TRUE(s.IsDue(T0 + 9s));
    s.Written();
    EXPECT_FALSE(s.Pending());
    EXPECT_FALSE(s.IsDue(T0 + 1h));
    // The next change starts a new wait.
    s.Changed(T0 + 20s);
    EXPECT_FALSE(s.IsDue(T0 + 24s));
    EXPECT_TRUE(s.IsDue(T0 + 25s));
}

TEST(RecoverySchedule, SteadyTypingIsWrittenWithinHalfAMinute) {
    RecoverySchedule s;
    auto t = T0;
    for (; t < T0 + 29s; t += 1s) {
        s.Changed(t);
        EXPECT_FALSE(s.IsDue(t)) << (t - T0).count();
    }
    s.Changed(t + 500ms);
    EXPECT_TRUE(s.IsDue(T0 + 30s));
}

TEST(RecoverySchedule, FailedWriteWaitsBeforeTryingAgainAndClearEndsIt) {
    RecoverySchedule s;
    s.Changed(T0);
    s.Failed(T0 + 5s);
    EXPECT_TRUE(s.Pending());
    EXPECT_FALSE(s.IsDue(T0 + 34s));
    EXPECT_TRUE(s.IsDue(T0 + 35s));
    s.Clear();
    EXPECT_FALSE(s.IsDue(T0 + 1h));
}

TEST(RecoverySchedule, WriteThatFailsAfterItWasHandedOnIsTriedAgain) {
    RecoverySchedule s;
    s.Changed(T0);
    s.Written(); // handed to the writer
    EXPECT_FALSE(s.Pending());
    s.Failed(T0 + 6s); // its result came back
    EXPECT_TRUE(s.Pending());
    EXPECT_FALSE(s.IsDue(T0 + 35s));
    EXPECT_TRUE(s.IsDue(T0 + 36s));
    // Typing meanwhile does not bring the retry forward.
    s.Changed(T0 + 10s);
    EXPECT_FALSE(s.IsDue(T0 + 35s));
}
