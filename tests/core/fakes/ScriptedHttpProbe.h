// An HttpProbe answering from a script, recording every request and how many were in
// flight at once (in all and at one host); it can hold requests until a number of them are
// in flight together, to show a bound is reached and never passed.
#pragma once

#include "core/platform/HttpProbe.h"
#include "core/site/RemoteAddress.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace velto::test {

class ScriptedHttpProbe : public HttpProbe {
public:
    using Script = std::function<HttpAnswer(const HttpRequest&)>;
    explicit ScriptedHttpProbe(Script script) : script_(std::move(script)) {}

    // Requests wait until this many are in flight at once (then none waits any more).
    void HoldUntilInFlight(std::size_t count) { holdUntil_ = count; }

    HttpAnswer Send(const HttpRequest& request) override {
        const std::string host = UrlHost(request.url);
        {
            std::unique_lock lock(mutex_);
            requests_.push_back((request.method == HttpRequest::Method::Head ? "HEAD " : "GET ") +
                                request.url);
            lastRequest_ = request;
            maxInFlight_ = std::max(maxInFlight_, ++inFlight_);
            maxAtOneHost_ = std::max(maxAtOneHost_, ++atHost_[host]);
            if (inFlight_ >= holdUntil_)
                released_ = true;
            changed_.notify_all();
            // A scheduler that never reaches the count fails the test here instead of hanging.
            if (!changed_.wait_for(lock, std::chrono::seconds(30), [this] { return released_; }))
                neverReleased_ = released_ = true;
        }
        const HttpAnswer answer = script_(request);
        std::lock_guard lock(mutex_);
        --inFlight_;
        --atHost_[host];
        return answer;
    }

    std::vector<std::string> Requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    HttpRequest LastRequest() const {
        std::lock_guard lock(mutex_);
        return lastRequest_;
    }
    std::size_t MaxInFlight() const { return maxInFlight_; }
    std::size_t MaxAtOneHost() const { return maxAtOneHost_; }
    bool NeverReleased() const { return neverReleased_; }

private:
    Script script_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> requests_;
    HttpRequest lastRequest_;
    std::map<std::string, std::size_t> atHost_;
    std::size_t inFlight_ = 0;
    std::size_t maxInFlight_ = 0;
    std::size_t maxAtOneHost_ = 0;
    std::size_t holdUntil_ = 0;
    bool released_ = false;
    bool neverReleased_ = false;
};

// Answers with a status (and a Location for redirects).
inline HttpAnswer Status(int status, std::string location = {}) {
    HttpAnswer answer;
    answer.status = status;
    answer.location = std::move(location);
    return answer;
}
inline HttpAnswer Failed(HttpAnswer::Failure failure) {
    HttpAnswer answer;
    answer.failure = failure;
    return answer;
}

} // namespace velto::test
