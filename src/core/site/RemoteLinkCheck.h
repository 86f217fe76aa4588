// The remote half of Check Links: each distinct http: or https: address asked about through
// the HttpProbe port, a few at a time (and fewer at one host), HEAD first and GET only where
// HEAD is refused, redirects followed, each request bounded in time, stoppable.
#pragma once

#include "core/platform/HttpProbe.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velto {

struct RemoteCheckOptions {
    std::size_t concurrency = 8; // requests in flight at once
    std::size_t perHost = 2;     // of which at one host
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds totalTimeout{20000};
    int redirectLimit = 5;
};

struct RemoteLinkStatus {
    enum class Verdict {
        Ok,
        Broken,     // an error status after GET, no such host, refused, timed out ...
        NotChecked, // an address of a scheme this check does not fetch (ftp:)
        Stopped,    // the check was stopped before this address was answered
    };
    std::string url; // as given
    Verdict verdict = Verdict::NotChecked;
    int status = 0;       // the last HTTP status, 0 when none came
    std::string reason;   // why it is broken or not checked; empty when ok
    std::string finalUrl; // where the redirects ended
};

// "ok", "remote-broken", "remote-not-checked", "remote-stopped".
[[nodiscard]] std::string_view VerdictName(RemoteLinkStatus::Verdict verdict) noexcept;

class RemoteLinkCheck {
public:
    explicit RemoteLinkCheck(HttpProbe& probe, RemoteCheckOptions options = {})
        : probe_(probe), options_(options) {}

    // Checks each distinct address of urls once. The answer holds one status per distinct
    // address, in the order they first appear. progress (called on the calling thread) gets
    // the addresses answered and their number.
    [[nodiscard]] std::vector<RemoteLinkStatus>
    Run(const std::vector<std::string>& urls,
        const std::function<void(std::size_t, std::size_t)>& progress = {},
        const std::atomic<bool>* stop = nullptr) const;

private:
    HttpProbe& probe_;
    RemoteCheckOptions options_;
};

} // namespace velto
