// The port through which the link check asks a web server about an address: one request,
// HEAD or GET, without following redirects, answered with a status code or the reason no
// answer came.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

namespace velto {

struct HttpRequest {
    enum class Method { Head, Get };
    Method method = Method::Head;
    std::string url; // absolute http: or https: address, without a fragment
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds totalTimeout{20000};
    const std::atomic<bool>* stop = nullptr; // the request gives up soon after it is set
};

struct HttpAnswer {
    enum class Failure {
        None,         // the server answered; status holds its code
        HostNotFound, // the name does not resolve
        Refused,      // nothing listens there
        Timeout,      // no (complete) answer within the time given
        Stopped,      // the caller's stop flag ended the request
        Other,        // any other failure (TLS, protocol, malformed address)
    };
    Failure failure = Failure::None;
    int status = 0;       // the HTTP status code when the server answered
    std::string location; // the Location header of a redirect, as sent
    std::string detail;   // the failure as the platform describes it
};

class HttpProbe {
public:
    virtual ~HttpProbe() = default;
    // Sends one request and waits for its answer. Called from several threads at once.
    [[nodiscard]] virtual HttpAnswer Send(const HttpRequest& request) = 0;
};

} // namespace velto
