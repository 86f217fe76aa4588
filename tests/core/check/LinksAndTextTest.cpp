// Check Page on ids, links and local files, and on the text: comments and character
// references.
#include "CheckTestSupport.h"
#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

namespace velto::test {
namespace {

TEST(Links, DuplicateIdsPointAtTheFirst) {
    const PageCheck check({"HTML5"});
    const std::string page = Html5Page("<p id=a>one</p>\n<p id=b>two</p>\n<p id=a>three</p>");
    const std::vector<Problem> problems = check.Check(page);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rule, Rule::DuplicateId);
    EXPECT_EQ(
        page.substr(problems[0].relatedStart, problems[0].relatedEnd - problems[0].relatedStart),
        "id=a");
    EXPECT_LT(problems[0].relatedStart, problems[0].start);
    // Ids differ in letter case.
    EXPECT_EQ(check.Rules(Html5Page("<p id=a>x</p><p id=A>y</p>")), Rules{});
}

TEST(Links, FragmentsNeedTheirTarget) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<a href=#nowhere>x</a>")), Rules{"missing-fragment"});
    EXPECT_EQ(check.Rules(Html5Page(
                  "<a href=#here>x</a><h2 id=here>h</h2><a href=\"#a%20b\">y</a><p id=\"a b\">"
                  "<a href=#top>top</a>")),
              Rules{});
    // The anchors of older pages are targets too.
    EXPECT_EQ(PageCheck().Rules(Html5Page("<a href=#old>o</a><a name=old>old</a>")), Rules{});
    EXPECT_EQ(check.Rules(Html5Page("<img src=a.png alt=m usemap=#nomap>")),
              Rules{"missing-fragment"});
    EXPECT_EQ(check.Rules(Html5Page("<img src=a.png alt=m usemap=#m><map name=m></map>")), Rules{});
}

TEST(Links, LocalFilesAreLookedForBesideThePage) {
    const TempDir dir;
    dir.Write("pictures/here.png", "png");
    dir.Write("other.html", "<p>");
    CheckOptions options;
    options.documentPath = (dir.Path() / "page.html").string();
    const PageCheck check({"HTML5"});
    const std::string page =
        Html5Page("<img src=pictures/here.png alt=a>\n<img src=pictures/gone.png alt=b>\n"
                  "<a href=\"other.html#part\">o</a> <a href=\"other.html?x=1\">q</a>\n"
                  "<a href=pictures/>folder</a> <a href=\"pictures/here%2Epng\">coded</a>\n"
                  "<a href=http://example.com/x.html>remote</a> <a href=/root.html>root</a>\n"
                  "<a href=mailto:a@example.com>mail</a> <a href=\"{{link}}\">template</a>");
    const std::vector<Problem> problems = check.Check(page, options);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rule, Rule::MissingFile);
    EXPECT_EQ(page.substr(problems[0].start, problems[0].end - problems[0].start),
              "pictures/gone.png");
    // A page never saved has no folder to look in.
    EXPECT_EQ(check.Rules(page), Rules{});
    // A BASE of another site says the files are there.
    EXPECT_EQ(check.Rules("<!DOCTYPE html><title>t</title><base href=http://example.com/><img "
                          "src=gone.png alt=x>",
                          options),
              Rules{});
    // The probe is asked once per file.
    int asked = 0;
    options.fileExists = [&asked](const std::string&) {
        ++asked;
        return false;
    };
    EXPECT_EQ(check.Rules(Html5Page("<img src=a.png alt=a><img src=a.png alt=b>"), options),
              (Rules{"missing-file", "missing-file"}));
    EXPECT_EQ(asked, 1);
}

TEST(Links, LocalPathsOfAddresses) {
    EXPECT_EQ(LocalPathOf(" a/b%20c.html?x=1#y "), "a/b c.html");
    EXPECT_EQ(LocalPathOf("https://example.com/a"), "");
    EXPECT_EQ(LocalPathOf("//example.com/a"), "");
    EXPECT_EQ(LocalPathOf("/a"), "");
    EXPECT_EQ(LocalPathOf("#a"), "");
    EXPECT_EQ(LocalPathOf("<?php echo $x ?>.html"), "");
}

TEST(Text, Comments) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<!-- never closed <p>x</p>")), Rules{"unterminated-comment"});
    EXPECT_EQ(check.Rules(Html5Page("<!-- closed --><!----><!-- a -- b -->")), Rules{});
}

TEST(Text, CharacterReferences) {
    const PageCheck html5({"HTML5"});
    EXPECT_EQ(html5.Rules(Html5Page("&foo;")), Rules{"unknown-reference"});
    EXPECT_EQ(html5.Rules(Html5Page("&#0; &#x110000;")),
              (Rules{"unknown-reference", "unknown-reference"}));
    EXPECT_EQ(html5.Rules(Html5Page("&copy2024")), Rules{"bare-ampersand"});
    EXPECT_EQ(html5.Rules(Html5Page(
                  "&amp; &copy; &Eacute; &nbsp; &#169; &#xA9; &NotEqualTilde; a & b &123 &foo")),
              Rules{});
    // In an address a browser leaves "&copy=" alone.
    EXPECT_EQ(html5.Rules(Html5Page("<a href=\"x.cgi?a=1&copy=2\">x</a>")), Rules{});
    EXPECT_EQ(html5.Rules(Html5Page("<a href=\"x.cgi?a=1&lt\">x</a>")), Rules{"bare-ampersand"});
    // HTML 4.0 has fewer references, and SGML reads every "&name" as one.
    const PageCheck html4({"HTML v4.0"});
    EXPECT_EQ(html4.Rules("<p>&NotEqualTilde; &foo &copy;</p>"),
              (Rules{"unknown-reference", "unknown-reference"}));
    // Nothing is read inside scripts and comments.
    EXPECT_EQ(html5.Rules(Html5Page("<script>a &foo; b</script><!-- &foo; -->")), Rules{});
}

} // namespace
} // namespace velto::test
