// Remote addresses asked about through a scripted probe: the bounds on requests in flight,
// HEAD then GET, redirects, failures, stopping, and the rows Check Links makes of them.
#include "core/site/RemoteLinkCheck.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/fakes/ScriptedHttpProbe.h"
#include "core/fakes/TestFiles.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/site/LinkCheck.h"
#include "core/site/RemoteAddress.h"

#include <gtest/gtest.h>

namespace velto {
namespace {

using test::Failed;
using test::ScriptedHttpProbe;
using test::Status;
using Verdict = RemoteLinkStatus::Verdict;

std::string PathOf(const std::string& url) {
    const std::size_t at = url.find('/', url.find("//") + 2);
    return at == std::string::npos ? "/" : url.substr(at);
}

TEST(RemoteAddress, RedirectsAndBaseLinksResolveAsInABrowser) {
    const std::string base = "https://example.com/docs/guide/page.html?q=1#top";
    EXPECT_EQ(ResolveAddress(base, "other.html"), "https://example.com/docs/guide/other.html");
    EXPECT_EQ(ResolveAddress(base, "../img/a.png#x"), "https://example.com/docs/img/a.png#x");
    EXPECT_EQ(ResolveAddress(base, "/root/../top.html"), "https://example.com/top.html");
    EXPECT_EQ(ResolveAddress(base, "//cdn.example.net/lib.js"), "https://cdn.example.net/lib.js");
    EXPECT_EQ(ResolveAddress(base, "http://elsewhere.org/"), "http://elsewhere.org/");
    EXPECT_EQ(ResolveAddress(base, "?page=2"), "https://example.com/docs/guide/page.html?page=2");
    EXPECT_EQ(ResolveAddress("http://example.com", "a/b"), "http://example.com/a/b");
    EXPECT_EQ(ResolveAddress("http://example.com/a/b/", ".."), "http://example.com/a/");

    EXPECT_EQ(UrlHost("HTTPS://user:pw@Example.COM:8080/x?y"), "example.com:8080");
    EXPECT_EQ(UrlHost("//cdn.example.net"), "cdn.example.net");
    EXPECT_EQ(UrlHost("mailto:someone@example.com"), "");
    EXPECT_EQ(UrlScheme(" HTTP://x/"), "http");
    // What a request line cannot hold is escaped; the fragment never goes to the server.
    EXPECT_EQ(RequestAddress(" //example.com/a b\\caf\xC3\xA9.html?q=\"x\\\"#part "),
              "https://example.com/a%20b/caf%C3%A9.html?q=%22x%5C%22");
}

TEST(RemoteLinkCheck, NeverMoreRequestsInFlightThanAllowed) {
    std::vector<std::string> urls;
    for (int host = 0; host < 10; ++host)
        for (int page = 0; page < 4; ++page)
            urls.push_back("https://host" + std::to_string(host) + ".example/" +
                           std::to_string(page));
    ScriptedHttpProbe probe([](const HttpRequest&) { return Status(200); });
    probe.HoldUntilInFlight(8); // the first requests wait until eight run at once
    const auto results = RemoteLinkCheck(probe).Run(urls);
    EXPECT_FALSE(probe.NeverReleased()) << "the eight requests allowed never ran together";
    EXPECT_EQ(probe.MaxInFlight(), 8u);
    EXPECT_LE(probe.MaxAtOneHost(), 2u);
    ASSERT_EQ(results.size(), urls.size());
    for (std::size_t i = 0; i < urls.size(); ++i) {
        EXPECT_EQ(results[i].url, urls[i]);
        EXPECT_EQ(results[i].verdict, Verdict::Ok) << urls[i];
    }
    EXPECT_EQ(probe.Requests().size(), urls.size());

    // All at one host: two at a time, however many workers there are.
    std::vector<std::string> oneHost;
    for (int page = 0; page < 12; ++page)
        oneHost.push_back("http://one.example/" + std::to_string(page));
    ScriptedHttpProbe single([](const HttpRequest&) { return Status(204); });
    single.HoldUntilInFlight(2);
    const auto answered = RemoteLinkCheck(single).Run(oneHost);
    EXPECT_FALSE(single.NeverReleased());
    EXPECT_EQ(single.MaxInFlight(), 2u);
    EXPECT_EQ(answered.back().verdict, Verdict::Ok);
}

TEST(RemoteLinkCheck, HeadFirstAndGetOnlyWhereHeadIsRefused) {
    ScriptedHttpProbe probe([](const HttpRequest& r) {
        const bool head = r.method == HttpRequest::Method::Head;
        const std::string path = PathOf(r.url);
        if (path == "/fine")
            return Status(200);
        if (path == "/no-head")
            return Status(head ? 405 : 200);
        if (path == "/forbids-head")
            return Status(head ? 403 : 200);
        if (path == "/gone")
            return Status(404);
        if (path == "/broken-server")
            return Status(head ? 501 : 503);
        if (path == "/hangs-on-head")
            return head ? Failed(HttpAnswer::Failure::Timeout) : Status(200);
        if (r.url.starts_with("https://nowhere.invalid"))
            return Failed(HttpAnswer::Failure::HostNotFound);
        return Failed(HttpAnswer::Failure::Refused);
    });
    const std::vector<std::string> urls{
        "https://a.example/fine",          "https://a.example/no-head",
        "https://b.example/forbids-head",  "https://b.example/gone",
        "https://c.example/broken-server", "https://c.example/hangs-on-head",
        "https://nowhere.invalid/",        "http://localhost:1/"};
    const auto results = RemoteLinkCheck(probe).Run(urls);
    ASSERT_EQ(results.size(), urls.size());
    EXPECT_EQ(results[0].verdict, Verdict::Ok);
    EXPECT_EQ(results[1].verdict, Verdict::Ok);
    EXPECT_EQ(results[2].verdict, Verdict::Ok);
    EXPECT_EQ(results[3].verdict, Verdict::Broken);
    EXPECT_EQ(results[3].reason, "HTTP 404 Not Found");
    EXPECT_EQ(results[3].status, 404);
    EXPECT_EQ(results[4].reason, "HTTP 503 Service Unavailable");
    EXPECT_EQ(results[5].verdict, Verdict::Ok);
    EXPECT_EQ(results[6].reason, "host not found");
    EXPECT_EQ(results[7].reason, "connection refused");

    std::vector<std::string> requests = probe.Requests();
    std::sort(requests.begin(), requests.end());
    EXPECT_EQ(requests,
              (std::vector<std::string>{
                  "GET https://a.example/no-head", "GET https://b.example/forbids-head",
                  "GET https://b.example/gone", "GET https://c.example/broken-server",
                  "GET https://c.example/hangs-on-head", "HEAD http://localhost:1/",
                  "HEAD https://a.example/fine", "HEAD https://a.example/no-head",
                  "HEAD https://b.example/forbids-head", "HEAD https://b.example/gone",
                  "HEAD https://c.example/broken-server", "HEAD https://c.example/hangs-on-head",
                  "HEAD https://nowhere.invalid/"}))
        << "a missing host or a refused connection is not asked again with GET";
}

TEST(RemoteLinkCheck, RedirectsAreFollowedUpToTheLimit) {
    ScriptedHttpProbe probe([](const HttpRequest& r) {
        const std::string path = PathOf(r.url);
        if (r.url == "https://old.example/start")
            return Status(301, "/moved/here");
        if (r.url == "https://old.example/moved/here")
            return Status(302, "https://new.example/final?x=1");
        if (r.url == "https://new.example/final?x=1")
            return Status(200);
        if (path == "/loop")
            return Status(307, "loop");
        if (path.ends_with("/to-missing"))
            return Status(308, "../missing");
        if (path == "/to-ftp")
            return Status(301, "ftp://files.example/pub/");
        return Status(404);
    });
    RemoteCheckOptions options;
    options.redirectLimit = 5;
    const auto results = RemoteLinkCheck(probe, options)
                             .Run({"https://old.example/start", "https://loop.example/loop",
                                   "https://m.example/a/to-missing", "https://f.example/to-ftp"});
    EXPECT_EQ(results[0].verdict, Verdict::Ok);
    EXPECT_EQ(results[0].finalUrl, "https://new.example/final?x=1");
    EXPECT_EQ(results[1].verdict, Verdict::Broken);
    EXPECT_EQ(results[1].reason, "more than 5 redirects");
    EXPECT_EQ(results[2].verdict, Verdict::Broken);
    EXPECT_EQ(results[2].finalUrl, "https://m.example/missing");
    EXPECT_EQ(results[3].verdict, Verdict::Ok);
    const auto requests = probe.Requests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "HEAD https://loop.example/loop"), 6);
    // After the redirect the refused HEAD is asked again with GET at the new address.
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "GET https://m.example/missing"), 1);
    EXPECT_EQ(
        std::count_if(requests.begin(), requests.end(),
                      [](const std::string& r) { return r.find("ftp:") != std::string::npos; }),
        0);
}

TEST(RemoteLinkCheck, TimeoutsAreGivenToEachRequestAndReported) {
    ScriptedHttpProbe probe(
        [](const HttpRequest&) { return Failed(HttpAnswer::Failure::Timeout); });
    RemoteCheckOptions options;
    options.connectTimeout = std::chrono::milliseconds(1500);
    options.totalTimeout = std::chrono::milliseconds(4000);
    const auto results = RemoteLinkCheck(probe, options).Run({"http://slow.example/"});
    EXPECT_EQ(results[0].verdict, Verdict::Broken);
    EXPECT_EQ(results[0].reason, "timed out");
    EXPECT_EQ(probe.Requests(),
              (std::vector<std::string>{"HEAD http://slow.example/", "GET http://slow.example/"}));
    EXPECT_EQ(probe.LastRequest().connectTimeout, options.connectTimeout);
    EXPECT_EQ(probe.LastRequest().totalTimeout, options.totalTimeout);
}

TEST(RemoteLinkCheck, EachAddressOnceOnlyWebAddressesFetchedAndStopHonoured) {
    std::atomic<bool> stop{false};
    ScriptedHttpProbe probe([&](const HttpRequest& r) {
        EXPECT_EQ(r.stop, &stop);
        stop = true; // the user stops while the first request runs
        return Status(200);
    });
    RemoteCheckOptions options;
    options.concurrency = 1;
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    const auto results =
        RemoteLinkCheck(probe, options)
            .Run(
                {"https://a.example/", "ftp://files.example/x", "https://a.example/",
                 "https://b.example/", "https://c.example/", "http:///no-host"},
                [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); },
                &stop);
    ASSERT_EQ(results.size(), 5u); // the repeated address is asked about once
    EXPECT_EQ(results[0].verdict, Verdict::Ok);
    EXPECT_EQ(results[1].verdict, Verdict::NotChecked);
    EXPECT_EQ(results[1].reason, "ftp addresses are not checked");
    EXPECT_EQ(results[2].verdict, Verdict::Stopped);
    EXPECT_EQ(results[3].verdict, Verdict::Stopped);
    EXPECT_EQ(results[4].verdict, Verdict::Broken);
    EXPECT_EQ(probe.Requests().size(), 1u);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), std::make_pair(std::size_t{0}, std::size_t{3}));
    for (const auto& [done, total] : progress)
        EXPECT_LE(done, total);
}

class RemoteLinks : public ::testing::Test {
protected:
    RemoteLinks() { kb.RebuildAllowed(); }
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb{html, editor};
    LinkAttributes attributes{&kb};
    test::TempDir site;
};

TEST_F(RemoteLinks, BrokenAddressesAreRowsWhereTheLinksStand) {
    site.Write("a.html", "<a href=b.html>b</a>\n<a href=\"https://gone.example/x\">x</a>\n"
                         "<img src=missing.png>\n<a href='ftp://files.example/f'>f</a>\n");
    site.Write("b.html",
               "<base href=\"https://docs.example/manual/\">\n"
               "<a href=\"https://gone.example/x\">same</a> <a href=\"../old.html\">old</a>\n"
               "<a href=\"https://fine.example/\">ok</a>\n");
    site.Write("index.html", "<a href=a.html>a</a>");
    ScriptedHttpProbe probe([](const HttpRequest& r) {
        return r.url.starts_with("https://fine.example") ? Status(200) : Status(410);
    });
    LinkCheck check(attributes);
    std::size_t lastDone = 0, lastTotal = 0;
    check.CheckRemote(probe, {}, [&](std::size_t done, std::size_t total) {
        lastDone = done;
        lastTotal = total;
    });
    const LinkCheckResult result = check.Run(site.Path().string());
    std::vector<std::string> rows;
    for (const LinkProblem& p : result.problems)
        rows.push_back(std::filesystem::path(p.page).filename().string() + ":" +
                       std::to_string(p.line) + "." + std::to_string(p.column) + " " +
                       std::string(ProblemName(p.kind)) + " " + p.url + " (" + p.reason + ")");
    EXPECT_EQ(
        rows,
        (std::vector<std::string>{
            "a.html:2.10 remote-broken https://gone.example/x (HTTP 410 Gone)",
            "a.html:3.10 missing missing.png ()",
            "a.html:4.10 remote-not-checked ftp://files.example/f (ftp addresses are not checked)",
            "b.html:2.10 remote-broken https://gone.example/x (HTTP 410 Gone)",
            "b.html:2.52 remote-broken ../old.html (HTTP 410 Gone)"}));
    EXPECT_TRUE(result.HasBrokenLinks());
    EXPECT_EQ(result.remoteChecked, 3u);
    EXPECT_EQ(lastDone, 3u);
    EXPECT_EQ(lastTotal, 3u);
    // The address below the BASE is the one asked about.
    std::vector<std::string> requests = probe.Requests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "GET https://docs.example/old.html"), 1);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "HEAD https://gone.example/x"), 1);

    // Without a probe nothing is fetched and remote links are only listed.
    const LinkCheckResult listed = LinkCheck(attributes).Run(site.Path().string());
    EXPECT_EQ(listed.remoteLinks.size(), 4u);
    EXPECT_FALSE(
        std::any_of(listed.problems.begin(), listed.problems.end(), [](const LinkProblem& p) {
            return p.kind == LinkProblem::Kind::RemoteBroken;
        }));
}

} // namespace
} // namespace velto
