// Links found and resolved as a browser resolves them, and what Check Links reports.
#include "core/site/LinkCheck.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/fakes/TestFiles.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/site/LinkTarget.h"

#include <gtest/gtest.h>

namespace velto {
namespace {

using test::TempDir;

class Links : public ::testing::Test {
protected:
    Links() { kb.RebuildAllowed(); }
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb{html, editor};
    LinkAttributes attributes{&kb};

    std::vector<std::string> Urls(std::string_view page) const {
        std::vector<std::string> urls;
        for (const PageLink& link : ExtractPageLinks(page, attributes).links)
            urls.push_back(link.kind + "=" + link.url);
        return urls;
    }
};

TEST_F(Links, EveryKindOfLinkIsFound) {
    const std::string page =
        "<a href=\"a.html?x=1&amp;y=2\">a</a><img src=i.png srcset=\"s1.png 1x, s2.png 2x\">"
        "<form action='go.cgi'></form><body background=bg.gif><object data=o.svg></object>"
        "<p style=\"background: url('st.png')\">p</p>"
        "<style>/* url(no.png) */ body { background: url( sb.png ) } @import \"im.css\";</style>"
        "<script>var s = '<img src=no.gif>';</script><!-- <a href=no.html> -->"
        "<p title=\"no.html\" class=x><link rev=made href=\"docs@example.org\">";
    EXPECT_EQ(Urls(page), (std::vector<std::string>{
                              "href=a.html?x=1&y=2", "src=i.png", "srcset=s1.png", "srcset=s2.png",
                              "action=go.cgi", "background=bg.gif", "data=o.svg", "url()=st.png",
                              "url()=sb.png", "url()=im.css"}));
    // Offsets point at the URL as written.
    const PageLinks links = ExtractPageLinks(page, attributes);
    EXPECT_EQ(page.substr(links.links[3].offset, links.links[3].length), "s2.png");
}

TEST_F(Links, IdsAndBaseOfAPage) {
    const PageLinks links =
        ExtractPageLinks("<base href='../b/'><h2 id=one>x</h2><a name=\"two\"></a>", attributes);
    EXPECT_EQ(links.base, "../b/");
    EXPECT_TRUE(links.ids.contains("one"));
    EXPECT_TRUE(links.ids.contains("two"));
}

TEST(LinkTarget, ResolvedAsABrowserResolvesThem) {
    const LinkContext page{"/site/docs/page.html", "/site", ""};
    EXPECT_EQ(ResolveLink("img/a%20b.png", page).path, "/site/docs/img/a b.png");
    EXPECT_EQ(ResolveLink("../up.html#frag", page).path, "/site/up.html");
    EXPECT_EQ(ResolveLink("../up.html#frag", page).fragment, "frag");
    EXPECT_EQ(ResolveLink("../../../../x.html", page).path, "/x.html");
    EXPECT_EQ(ResolveLink("./a/./b/../c.html?q=1", page).path, "/site/docs/a/c.html");
    EXPECT_EQ(ResolveLink("/root.css", page).path, "/site/root.css");
    EXPECT_EQ(ResolveLink("file:///tmp/x%23y.html", page).path, "/tmp/x#y.html");
    EXPECT_EQ(ResolveLink("file://localhost/tmp/a.html", page).path, "/tmp/a.html");
    EXPECT_EQ(ResolveLink("#top", page).path, "/site/docs/page.html");
    EXPECT_TRUE(ResolveLink("#top", page).samePage);
    EXPECT_EQ(ResolveLink(" http://example.com/ ", page).kind, LinkTarget::Kind::Remote);
    EXPECT_EQ(ResolveLink("//cdn.example.com/a.js", page).kind, LinkTarget::Kind::Remote);
    EXPECT_EQ(ResolveLink("mailto:a@b.c", page).kind, LinkTarget::Kind::Other);
    EXPECT_EQ(ResolveLink("", page).kind, LinkTarget::Kind::Other);
    // A BASE changes what relative links and bare fragments are read against.
    const LinkContext based{"/site/docs/page.html", "/site", "../other/"};
    EXPECT_EQ(ResolveLink("x.html", based).path, "/site/other/x.html");
    EXPECT_EQ(ResolveLink("#f", based).path, "/site/other/");
    EXPECT_EQ(ResolveLink("x.html", {"/site/p.html", "/site", "https://example.com/"}).kind,
              LinkTarget::Kind::Remote);
}

TEST_F(Links, CheckReportsMissingFilesBadFragmentsAndOrphans) {
    TempDir dir;
    dir.Write("index.html",
              "<a href=\"docs/page.html#intro\">ok</a><a href=\"docs/page.html#gone\">x</a>\n"
              "<img src=\"img/logo%20big.png\"><a href=docs/>folder</a>");
    dir.Write("docs/page.html",
              "<h1 id=intro>I</h1>\n<p style=\"background:url(../img/missing.png)\">"
              "<a href=\"#intro\">up</a><a href='#nowhere'>x</a>"
              "<a href='http://example.com/x'>r</a>");
    dir.Write("docs/index.html",
              "<style>\n  p { background: url(\"../img/logo big.png\") }\n</style>");
    dir.Write("img/logo big.png", "PNG");
    dir.Write("img/unused.gif", "GIF");
    const LinkCheckResult result = LinkCheck(attributes).Run(dir.Path().string());
    std::vector<std::string> lines;
    for (const LinkProblem& p : result.problems)
        lines.push_back(std::string(ProblemName(p.kind)) + " " +
                        std::filesystem::path(p.page).lexically_relative(dir.Path()).string() +
                        ":" + std::to_string(p.line) + "." + std::to_string(p.column) + " " +
                        p.url);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "missing docs/page.html:2.26 ../img/missing.png",
                         "fragment docs/page.html:2.79 #nowhere",
                         "fragment index.html:1.47 docs/page.html#gone",
                         "orphan img/unused.gif:0.0 ",
                     }));
    EXPECT_TRUE(result.HasBrokenLinks());
    EXPECT_EQ(result.remoteLinks, std::vector<std::string>{"http://example.com/x"});
    EXPECT_EQ(result.pages, 3u);
}

} // namespace
} // namespace velto
