// Idle processing on a zero-interval timer.
#include "ui/document/IdlePump.h"

namespace velto {

IdlePump::IdlePump(Tick tick, QObject* parent) : QObject(parent), tick_(std::move(tick)) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &IdlePump::OnTimeout);
}

void IdlePump::Wake() {
    if (!timer_.isActive())
        timer_.start();
}

void IdlePump::OnTimeout() {
    if (!tick_(count_++))
        timer_.stop();
}

bool IdlePump::RunUntilIdle(unsigned long maxTicks) {
    for (unsigned long i = 0; i < maxTicks; ++i)
        if (!tick_(count_++)) {
            timer_.stop();
            return true;
        }
    return false;
}

} // namespace velto
