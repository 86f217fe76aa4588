// Remote addresses checked a few at a time through the HttpProbe port.
#include "core/site/RemoteLinkCheck.h"

#include "core/site/RemoteAddress.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace velto {

namespace {
constexpr std::chrono::milliseconds StopPoll{100};

std::string StatusReason(int status) {
    std::string reason = "HTTP " + std::to_string(status);
    static const std::unordered_map<int, const char*> phrases{{400, "Bad Request"},
                                                              {401, "Unauthorized"},
                                                              {403, "Forbidden"},
                                                              {404, "Not Found"},
                                                              {405, "Method Not Allowed"},
                                                              {408, "Request Timeout"},
                                                              {410, "Gone"},
                                                              {429, "Too Many Requests"},
                                                              {500, "Internal Server Error"},
                                                              {501, "Not Implemented"},
                                                              {502, "Bad Gateway"},
                                                              {503, "Service Unavailable"},
                                                              {504, "Gateway Timeout"}};
    if (const auto hit = phrases.find(status); hit != phrases.end())
        reason.append(" ").append(hit->second);
    return reason;
}

std::string FailureReason(const HttpAnswer& answer) {
    switch (answer.failure) {
    case HttpAnswer::Failure::HostNotFound:
        return "host not found";
    case HttpAnswer::Failure::Refused:
        return "connection refused";
    case HttpAnswer::Failure::Timeout:
        return "timed out";
    case HttpAnswer::Failure::Stopped:
        return "stopped";
    case HttpAnswer::Failure::Other:
    case HttpAnswer::Failure::None:
        break;
    }
    return answer.detail.empty() ? std::string("no answer") : answer.detail;
}

// The addresses waiting, the requests in flight at each host, and the answers so far.
class Schedule {
public:
    Schedule(const std::vector<std::string>& addresses, std::size_t perHost,
             const std::atomic<bool>* stop)
        : perHost_(std::max<std::size_t>(perHost, 1)), stop_(stop) {
        for (std::size_t i = 0; i < addresses.size(); ++i)
            waiting_.push_back({i, UrlHost(RequestAddress(addresses[i]))});
    }

    bool Stopped() const { return stop_ && stop_->load(std::memory_order_relaxed); }

    // The next address whose host has room, its host held; false when none is left or
    // the check is stopped.
    bool Take(std::size_t& index, std::string& host) {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (Stopped() || waiting_.empty())
                return false;
            const auto free = std::find_if(waiting_.begin(), waiting_.end(),
                                           [this](const Waiting& w) { return HasRoom(w.host); });
            if (free != waiting_.end()) {
                index = free->index;
                host = free->host;
                ++busy_[host];
                waiting_.erase(free);
                return true;
            }
            changed_.wait_for(lock, StopPoll);
        }
    }

    // Waits for room at host and holds it; false when the check is stopped first.
    bool Hold(const std::string& host) {
        std::unique_lock lock(mutex_);
        while (!HasRoom(host)) {
            if (Stopped())
                return false;
            changed_.wait_for(lock, StopPoll);
        }
        ++busy_[host];
        return true;
    }

    void Release(const std::string& host) {
        {
            std::lock_guard lock(mutex_);
            if (--busy_[host] == 0)
                busy_.erase(host);
        }
        changed_.notify_all();
    }

    void Answered() {
        {
            std::lock_guard lock(mutex_);
            ++answered_;
        }
        changed_.notify_all();
    }

    // Waits until the answered count moves past seen (or a poll passes); the count.
    std::size_t WaitForAnswers(std::size_t seen) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, StopPoll, [&] { return answered_ != seen; });
        return answered_;
    }

private:
    struct Waiting {
        std::size_t index;
        std::string host;
    };
    bool HasRoom(const std::string& host) const {
        const auto hit = busy_.find(host);
        return hit == busy_.end() || hit->second < perHost_;
    }

    const std::size_t perHost_;
    const std::atomic<bool>* stop_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Waiting> waiting_;
    std::unordered_map<std::string, std::size_t> busy_;
    std::size_t answered_ = 0;
};

// One address followed to its answer: HEAD, GET where HEAD is refused, redirects.
class AddressCheck {
public:
    AddressCheck(HttpProbe& probe, const RemoteCheckOptions& options, Schedule& schedule,
                 const std::atomic<bool>* stop)
        : probe_(probe), options_(options), schedule_(schedule), stop_(stop) {}

    // The host given to Start is held on entry and released on return.
    RemoteLinkStatus Check(const std::string& url) {
        RemoteLinkStatus status;
        status.url = url;
        status.verdict = RemoteLinkStatus::Verdict::Broken;
        std::string address = RequestAddress(url);
        auto method = HttpRequest::Method::Head;
        int redirects = 0;
        for (;;) {
            status.finalUrl = address;
            if (schedule_.Stopped()) {
                status.verdict = RemoteLinkStatus::Verdict::Stopped;
                break;
            }
            const HttpAnswer answer = Send(method, address);
            if (answer.failure == HttpAnswer::Failure::Stopped) {
                status.verdict = RemoteLinkStatus::Verdict::Stopped;
                break;
            }
            // A server that hangs up on HEAD or never answers it may still serve GET; a
            // name that does not resolve or a port that refuses will not.
            const bool refusedHead =
                method == HttpRequest::Method::Head &&
                (answer.failure == HttpAnswer::Failure::Timeout ||
                 answer.failure == HttpAnswer::Failure::Other ||
                 (answer.failure == HttpAnswer::Failure::None && answer.status >= 400));
            if (refusedHead) {
                method = HttpRequest::Method::Get;
                continue;
            }
            if (answer.failure != HttpAnswer::Failure::None) {
                status.reason = FailureReason(answer);
                break;
            }
            status.status = answer.status;
            if (answer.status >= 300 && answer.status < 400 && answer.status != 304 &&
                !answer.location.empty()) {
                if (++redirects > options_.redirectLimit) {
                    status.reason =
                        "more than " + std::to_string(options_.redirectLimit) + " redirects";
                    break;
                }
                address = RequestAddress(ResolveAddress(address, answer.location));
                const std::string scheme = UrlScheme(address);
                if (scheme != "http" && scheme != "https") {
                    // Redirected somewhere this check does not go; the server did answer.
                    status.finalUrl = address;
                    status.verdict = RemoteLinkStatus::Verdict::Ok;
                    break;
                }
                const std::string next = UrlHost(address);
                if (next != host_) {
                    Switch(next);
                    if (!holding_) {
                        status.verdict = RemoteLinkStatus::Verdict::Stopped;
                        break;
                    }
                }
                continue;
            }
            if (answer.status >= 400 || answer.status < 100)
                status.reason = StatusReason(answer.status);
            else
                status.verdict = RemoteLinkStatus::Verdict::Ok;
            break;
        }
        if (holding_)
            schedule_.Release(host_);
        holding_ = false;
        return status;
    }

    void Start(std::string host) {
        host_ = std::move(host);
        holding_ = true;
    }

private:
    HttpAnswer Send(HttpRequest::Method method, const std::string& address) {
        HttpRequest request;
        request.method = method;
        request.url = address;
        request.connectTimeout = options_.connectTimeout;
        request.totalTimeout = options_.totalTimeout;
        request.stop = stop_;
        return probe_.Send(request);
    }

    // Moves the hold from the current host to the next one, never holding two at once.
    void Switch(const std::string& next) {
        schedule_.Release(host_);
        holding_ = schedule_.Hold(next);
        host_ = next;
    }

    HttpProbe& probe_;
    const RemoteCheckOptions& options_;
    Schedule& schedule_;
    const std::atomic<bool>* stop_;
    std::string host_;
    bool holding_ = false;
};
} // namespace

std::string_view VerdictName(RemoteLinkStatus::Verdict verdict) noexcept {
    switch (verdict) {
    case RemoteLinkStatus::Verdict::Ok:
        return "ok";
    case RemoteLinkStatus::Verdict::Broken:
        return "remote-broken";
    case RemoteLinkStatus::Verdict::NotChecked:
        return "remote-not-checked";
    case RemoteLinkStatus::Verdict::Stopped:
        return "remote-stopped";
    }
    return "";
}

std::vector<RemoteLinkStatus>
RemoteLinkCheck::Run(const std::vector<std::string>& urls,
                     const std::function<void(std::size_t, std::size_t)>& progress,
                     const std::atomic<bool>* stop) const {
    std::vector<RemoteLinkStatus> results;
    std::vector<std::string> fetched; // the http: and https: addresses, by first appearance
    std::vector<std::size_t> slotOf;  // each fetched address's place in results
    std::unordered_set<std::string> seen;
    for (const std::string& url : urls) {
        if (!seen.insert(url).second)
            continue;
        RemoteLinkStatus status;
        status.url = url;
        status.finalUrl = url;
        const std::string scheme = url.starts_with("//") ? "https" : UrlScheme(url);
        if (scheme == "http" || scheme == "https") {
            if (UrlHost(url).empty()) {
                status.verdict = RemoteLinkStatus::Verdict::Broken;
                status.reason = "the address names no host";
            } else {
                status.verdict = RemoteLinkStatus::Verdict::Stopped;
                fetched.push_back(url);
                slotOf.push_back(results.size());
            }
        } else {
            status.reason =
                (scheme.empty() ? std::string("such") : scheme) + " addresses are not checked";
        }
        results.push_back(std::move(status));
    }
    if (fetched.empty())
        return results;

    Schedule schedule(fetched, options_.perHost, stop);
    std::mutex resultsMutex;
    auto worker = [&] {
        std::size_t index = 0;
        std::string host;
        while (schedule.Take(index, host)) {
            AddressCheck check(probe_, options_, schedule, stop);
            check.Start(host);
            RemoteLinkStatus status = check.Check(fetched[index]);
            {
                std::lock_guard lock(resultsMutex);
                results[slotOf[index]] = std::move(status);
            }
            schedule.Answered();
        }
    };
    const std::size_t threads =
        std::min(std::max<std::size_t>(options_.concurrency, 1), fetched.size());
    std::vector<std::thread> pool;
    pool.reserve(threads);
    for (std::size_t i = 0; i < threads; ++i)
        pool.emplace_back(worker);
    // Progress is told from this thread while the workers run.
    std::size_t answered = 0;
    if (progress)
        progress(0, fetched.size());
    while (answered < fetched.size() && !schedule.Stopped()) {
        const std::size_t now = schedule.WaitForAnswers(answered);
        if (now != answered && progress)
            progress(now, fetched.size());
        answered = now;
    }
    for (std::thread& t : pool)
        t.join();
    if (progress && answered != fetched.size() && !schedule.Stopped())
        progress(fetched.size(), fetched.size());
    return results;
}

} // namespace velto
