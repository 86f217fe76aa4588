// HttpProbe over libcurl.
#include "ui/platform/CurlHttpProbe.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace velto {

namespace {
struct Transfer {
    const std::atomic<bool>* stop = nullptr;
    bool bodyStarted = false;
};

// The body is not wanted: the first bytes of it end the transfer (the status is known).
std::size_t RefuseBody(char*, std::size_t, std::size_t, void* data) {
    static_cast<Transfer*>(data)->bodyStarted = true;
    return 0;
}

std::size_t IgnoreHeader(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

// Called while the transfer runs (also while it waits): a set stop flag ends it.
int CheckStop(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* transfer = static_cast<Transfer*>(data);
    return transfer->stop && transfer->stop->load(std::memory_order_relaxed) ? 1 : 0;
}

HttpAnswer::Failure FailureOf(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return HttpAnswer::Failure::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return HttpAnswer::Failure::Refused;
    case CURLE_OPERATION_TIMEDOUT:
        return HttpAnswer::Failure::Timeout;
    case CURLE_ABORTED_BY_CALLBACK:
        return HttpAnswer::Failure::Stopped;
    default:
        return HttpAnswer::Failure::Other;
    }
}
} // namespace

CurlHttpProbe::CurlHttpProbe() {
    // libcurl's global set-up is not thread-safe and must come before any handle.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

HttpAnswer CurlHttpProbe::Send(const HttpRequest& request) {
    HttpAnswer answer;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> handle(curl_easy_init(),
                                                                     &curl_easy_cleanup);
    if (!handle) {
        answer.failure = HttpAnswer::Failure::Other;
        answer.detail = "cannot start a request";
        return answer;
    }
    CURL* curl = handle.get();
    Transfer transfer{request.stop, false};
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L); // several threads; no alarm() timeouts
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(request.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(request.totalTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/5.0 (compatible; Velto link check)");
    if (request.method == HttpRequest::Method::Head)
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    else
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &RefuseBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &IgnoreHeader);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CheckStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);

    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && transfer.bodyStarted && status > 0)) {
        answer.status = static_cast<int>(status);
        char* location = nullptr;
        if (curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
            answer.location = location;
        return answer;
    }
    answer.failure = FailureOf(code);
    answer.detail = error[0] ? error : curl_easy_strerror(code);
    return answer;
}

} // namespace velto
