// Writes and removes recovery files on a thread of its own, so the flush to the disk (tens
// of milliseconds for a large document) never holds up the editor's event loop. One worker
// runs the jobs strictly in the order they were queued: a removal queued after a write of
// the same file always runs after it, so a document saved while its write was on the way
// leaves no file behind.
#pragma once

#include "core/recovery/RecoveryFolder.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velto {

class RecoveryWriter {
public:
    // How a write ended. Removals report nothing: they cannot fail in a way worth telling.
    struct Result {
        std::uint64_t ticket = 0; // what Write returned
        std::string name;
        bool ok = false;
        std::string error; // the system's description when not ok
    };

    // wake is called on the worker after each job, with nothing locked; the next job waits
    // for it to return. It must only hand the news on (post an event), not wait for the
    // thread that owns this object.
    RecoveryWriter(RecoveryFolder folder, std::function<void()> wake);
    // Finishes every job queued, then ends the worker.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Queues a write of text (owned by the job) to name. thenRemove, when not empty, is a
    // file removed once the write succeeded, and kept when it failed.
    std::uint64_t Write(std::string name, RecoveryRecord meta, std::string text,
                        std::string thenRemove = {});
    // Queues the removal of name (and of a temporary file beside it).
    void Remove(std::string name);
    // Waits until every job queued so far is done, its wake call included.
    void Drain();
    // The results of the writes finished since the last call, in their order.
    [[nodiscard]] std::vector<Result> TakeResults();

private:
    struct Job {
        std::uint64_t ticket = 0; // 0: a removal
        std::string name;
        RecoveryRecord meta;
        std::string text;
        std::string thenRemove;
    };

    void Run();
    void Execute(Job& job);

    const RecoveryFolder folder_;
    const std::function<void()> wake_;
    std::mutex mutex_;
    std::condition_variable work_; // a job was queued, or the worker is to end
    std::condition_variable idle_; // the queue ran empty
    std::deque<Job> queue_;
    std::vector<Result> results_;
    std::uint64_t nextTicket_ = 1;
    bool busy_ = false; // the worker is inside a job or its wake call
    bool stopping_ = false;
    std::thread worker_; // last: started once everything above exists
};

} // namespace velto
