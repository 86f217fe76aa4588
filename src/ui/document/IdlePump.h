// Idle processing: while some client wants idle time, a zero-interval timer hands out
// numbered ticks whenever the event queue has nothing else to do.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace velto {

class IdlePump : public QObject {
    Q_OBJECT
public:
    // Runs one tick with its number; returns whether more idle time is wanted.
    using Tick = std::function<bool(unsigned long count)>;

    explicit IdlePump(Tick tick, QObject* parent = nullptr);

    // Someone has idle work: start ticking (the count goes on from where it was).
    void Wake();
    [[nodiscard]] bool Running() const { return timer_.isActive(); }
    [[nodiscard]] unsigned long Count() const { return count_; }
    // Runs ticks until nobody wants idle time any more or maxTicks have run; for tests
    // and benchmarks. Returns whether it finished.
    bool RunUntilIdle(unsigned long maxTicks = 100000000UL);

private:
    void OnTimeout();

    Tick tick_;
    QTimer timer_;
    unsigned long count_ = 0;
};

} // namespace velto
