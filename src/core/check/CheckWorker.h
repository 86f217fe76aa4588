// CheckWorker: checks pages on a thread of its own, so that the editor only hands over a
// copy of the text and shows what comes back. Of the requests for one document waiting
// their turn only the newest is kept.
#pragma once

#include "core/check/CheckSettings.h"
#include "core/check/CheckVocabulary.h"
#include "core/check/PageChecker.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace velto {

class CheckWorker {
public:
    struct Job {
        std::uint64_t document = 0;   // the caller's name for the document
        std::uint64_t generation = 0; // the caller's name for this state of its text
        std::string text;
        std::shared_ptr<const CheckVocabulary> vocabulary;
        std::shared_ptr<const CheckSettings> settings;
        std::string documentPath;
        FileProbe fileExists;
    };
    struct Result {
        std::uint64_t document = 0;
        std::uint64_t generation = 0;
        std::vector<Problem> problems;
        // The text checked, handed back so that its memory can hold the next one: a
        // fresh copy of a large page costs the editor a page fault every 4 KB.
        std::string text;
    };
    // Called on the worker's thread with each result.
    using Deliver = std::function<void(Result)>;

    explicit CheckWorker(Deliver deliver);
    // Finishes the check in hand, drops those waiting, and ends the thread.
    ~CheckWorker();
    CheckWorker(const CheckWorker&) = delete;
    CheckWorker& operator=(const CheckWorker&) = delete;

    // False when the thread could not be started: then nothing is checked.
    [[nodiscard]] bool Running() const noexcept { return thread_.joinable(); }
    void Submit(Job job);
    // Drops a waiting request of the document (it closed).
    void Forget(std::uint64_t document);
    // How many checks have run, for tests and benchmarks.
    [[nodiscard]] std::uint64_t ChecksRun() const;

private:
    void Loop();

    Deliver deliver_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    bool stopping_ = false;
    std::uint64_t checksRun_ = 0;
    std::thread thread_;
};

} // namespace velto
