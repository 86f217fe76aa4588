// The libcurl probe against a server the test runs on 127.0.0.1: statuses, a redirect left
// for the caller, refused connections, a server that never answers, stopping; and the whole
// remote check through it.
#include "ui/platform/CurlHttpProbe.h"
#include "core/fakes/LocalHttpServer.h"
#include "core/site/RemoteLinkCheck.h"

#include <gtest/gtest.h>

#include <thread>

namespace velto {
namespace {

using test::LocalHttpServer;

HttpRequest Request(HttpRequest::Method method, std::string url) {
    HttpRequest request;
    request.method = method;
    request.url = std::move(url);
    request.connectTimeout = std::chrono::milliseconds(5000);
    request.totalTimeout = std::chrono::milliseconds(10000);
    return request;
}

TEST(CurlHttpProbe, StatusesAndRedirectsComeBackAsTheServerSentThem) {
    LocalHttpServer server;
    CurlHttpProbe probe;
    const auto head = HttpRequest::Method::Head;
    const auto get = HttpRequest::Method::Get;

    HttpAnswer ok = probe.Send(Request(head, server.Url("/ok")));
    EXPECT_EQ(ok.failure, HttpAnswer::Failure::None) << ok.detail;
    EXPECT_EQ(ok.status, 200);
    // A GET with a body still answers with its status, the body left unread.
    ok = probe.Send(Request(get, server.Url("/ok")));
    EXPECT_EQ(ok.failure, HttpAnswer::Failure::None) << ok.detail;
    EXPECT_EQ(ok.status, 200);
    EXPECT_EQ(probe.Send(Request(get, server.Url("/missing"))).status, 404);
    EXPECT_EQ(probe.Send(Request(head, server.Url("/no-head"))).status, 405);
    EXPECT_EQ(probe.Send(Request(get, server.Url("/no-head"))).status, 200);
    const HttpAnswer moved = probe.Send(Request(head, server.Url("/moved")));
    EXPECT_EQ(moved.status, 301);
    EXPECT_EQ(moved.location, server.Url("/ok"));
    EXPECT_EQ(server.Requests(),
              (std::vector<std::string>{"HEAD /ok", "GET /ok", "GET /missing", "HEAD /no-head",
                                        "GET /no-head", "HEAD /moved"}))
        << "the redirect is the caller's to follow";
}

TEST(CurlHttpProbe, FailuresAreToldApart) {
    int freePort = 0;
    {
        LocalHttpServer gone; // a port that was just free, now with nothing behind it
        freePort = gone.Port();
    }
    CurlHttpProbe probe;
    const HttpAnswer refused = probe.Send(
        Request(HttpRequest::Method::Head, "http://127.0.0.1:" + std::to_string(freePort) + "/"));
    EXPECT_EQ(refused.failure, HttpAnswer::Failure::Refused) << refused.detail;
    EXPECT_FALSE(refused.detail.empty());

    LocalHttpServer server;
    HttpRequest silent = Request(HttpRequest::Method::Get, server.Url("/silent"));
    silent.totalTimeout = std::chrono::milliseconds(300);
    const HttpAnswer timedOut = probe.Send(silent);
    EXPECT_EQ(timedOut.failure, HttpAnswer::Failure::Timeout) << timedOut.detail;

    // A set stop flag ends a request that would otherwise wait its whole time out.
    std::atomic<bool> stop{true};
    silent.totalTimeout = std::chrono::milliseconds(600000);
    silent.stop = &stop;
    EXPECT_EQ(probe.Send(silent).failure, HttpAnswer::Failure::Stopped);

    const HttpAnswer bad = probe.Send(Request(HttpRequest::Method::Head, "gopher://127.0.0.1/"));
    EXPECT_EQ(bad.failure, HttpAnswer::Failure::Other);
}

TEST(CurlHttpProbe, TheRemoteCheckThroughIt) {
    LocalHttpServer server;
    CurlHttpProbe probe;
    RemoteCheckOptions options;
    options.totalTimeout = std::chrono::milliseconds(300);
    const auto results =
        RemoteLinkCheck(probe, options)
            .Run({server.Url("/ok"), server.Url("/missing"), server.Url("/no-head"),
                  server.Url("/moved"), server.Url("/silent")});
    ASSERT_EQ(results.size(), 5u);
    EXPECT_EQ(results[0].verdict, RemoteLinkStatus::Verdict::Ok);
    EXPECT_EQ(results[1].verdict, RemoteLinkStatus::Verdict::Broken);
    EXPECT_EQ(results[1].reason, "HTTP 404 Not Found");
    EXPECT_EQ(results[2].verdict, RemoteLinkStatus::Verdict::Ok);
    EXPECT_EQ(results[3].verdict, RemoteLinkStatus::Verdict::Ok);
    EXPECT_EQ(results[3].finalUrl, server.Url("/ok"));
    EXPECT_EQ(results[4].verdict, RemoteLinkStatus::Verdict::Broken);
    EXPECT_EQ(results[4].reason, "timed out");
}

} // namespace
} // namespace velto
