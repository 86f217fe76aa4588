// CheckWorker: the checking thread.
#include "core/check/CheckWorker.h"

#include <algorithm>
#include <system_error>

namespace velto {

CheckWorker::CheckWorker(Deliver deliver) : deliver_(std::move(deliver)) {
    try {
        thread_ = std::thread([this] { Loop(); });
    } catch (const std::system_error&) {
        // No thread: pages go unchecked rather than checked on the caller's.
    }
}

CheckWorker::~CheckWorker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void CheckWorker::Submit(Job job) {
    if (!Running())
        return;
    {
        const std::lock_guard lock(mutex_);
        const auto same = std::find_if(queue_.begin(), queue_.end(),
                                       [&](const Job& j) { return j.document == job.document; });
        if (same != queue_.end())
            *same = std::move(job);
        else
            queue_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void CheckWorker::Forget(std::uint64_t document) {
    const std::lock_guard lock(mutex_);
    std::erase_if(queue_, [document](const Job& j) { return j.document == document; });
}

std::uint64_t CheckWorker::ChecksRun() const {
    const std::lock_guard lock(mutex_);
    return checksRun_;
}

void CheckWorker::Loop() {
    while (true) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        CheckOptions options;
        options.settings = job.settings.get();
        options.documentPath = std::move(job.documentPath);
        options.fileExists = std::move(job.fileExists);
        Result result;
        result.document = job.document;
        result.generation = job.generation;
        result.problems = CheckPage(job.text, *job.vocabulary, options);
        result.text = std::move(job.text);
        {
            const std::lock_guard lock(mutex_);
            ++checksRun_;
            if (stopping_)
                return;
        }
        deliver_(std::move(result));
    }
}

} // namespace velto
