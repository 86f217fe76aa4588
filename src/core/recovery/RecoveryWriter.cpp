// The recovery files' worker thread.
#include "core/recovery/RecoveryWriter.h"

#include <new>
#include <utility>

namespace velto {

RecoveryWriter::RecoveryWriter(RecoveryFolder folder, std::function<void()> wake)
    : folder_(std::move(folder)), wake_(std::move(wake)), worker_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_one();
    worker_.join();
}

std::uint64_t RecoveryWriter::Write(std::string name, RecoveryRecord meta, std::string text,
                                    std::string thenRemove) {
    Job job{0, std::move(name), std::move(meta), std::move(text), std::move(thenRemove)};
    std::uint64_t ticket;
    {
        std::lock_guard lock(mutex_);
        ticket = job.ticket = nextTicket_++;
        queue_.push_back(std::move(job));
    }
    work_.notify_one();
    return ticket;
}

void RecoveryWriter::Remove(std::string name) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(Job{0, std::move(name), {}, {}, {}});
    }
    work_.notify_one();
}

void RecoveryWriter::Drain() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

std::vector<RecoveryWriter::Result> RecoveryWriter::TakeResults() {
    std::lock_guard lock(mutex_);
    return std::exchange(results_, {});
}

void RecoveryWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        // Stopping only once the queue is empty: a job queued is a promise kept.
        work_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        Job job = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        Execute(job);
        job = Job(); // the text copy goes before the wake, not with the next job
        if (wake_)
            wake_();
        lock.lock();
        busy_ = false;
        if (queue_.empty())
            idle_.notify_all();
    }
}

void RecoveryWriter::Execute(Job& job) {
    if (job.ticket == 0) {
        folder_.Remove(job.name);
        return;
    }
    Result result{job.ticket, job.name, false, {}};
    try {
        result.ok = folder_.Write(job.name, job.meta, job.text, result.error);
        if (result.ok && !job.thenRemove.empty())
            folder_.Remove(job.thenRemove);
    } catch (const std::bad_alloc&) {
        // The header and checksum need little, but the thread must not end on it.
        result.ok = false;
        result.error = "there is not enough memory to write " + job.name;
    }
    std::lock_guard lock(mutex_);
    results_.push_back(std::move(result));
}

} // namespace velto
