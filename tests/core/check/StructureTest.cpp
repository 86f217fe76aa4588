// Check Page on the structure of pages: what browsers open and close by themselves gives
// nothing; end tags with nothing to close, elements left open, misnesting and elements out
// of place each give their problem, and the nearest valid page gives none.
#include "CheckTestSupport.h"

#include <gtest/gtest.h>

namespace velto::test {
namespace {

TEST(Structure, OptionalEndTagsAndImpliedElementsGiveNothing) {
    const PageCheck check({"HTML5"});
    // No HTML, HEAD or BODY tags, paragraphs and items without end tags, a table without
    // TBODY and rows and cells left open.
    const std::string page =
        "<!DOCTYPE html>\n<title>Shop</title>\n<p>Open daily.\n<p>Prices:\n"
        "<ul><li>Coffee<li>Tea</ul>\n<dl><dt>Address<dd>Mill Lane<dt>Phone<dd>555</dl>\n"
        "<table><caption>Prices<tr><th>Item<th>Price<tr><td>Tea<td>2.10</table>\n"
        "<select><option>One<option>Two<optgroup label=g><option>Three</select>\n"
        "<p>A paragraph<div>that a block ends</div>\n";
    EXPECT_EQ(check.Rules(page), Rules{});
    // The same under HTML 4.0, whose DTD leaves out the same end tags.
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules(page.substr(page.find('\n') + 1)), Rules{});
}

TEST(Structure, AnElementLeftOpenIsReportedAtItsStartTag) {
    const PageCheck check({"HTML5"});
    const std::string page = Html5Page("<div><span>x</div>");
    const std::vector<Problem> problems = check.Check(page);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rule, Rule::UnclosedElement);
    EXPECT_EQ(page.substr(problems[0].start, problems[0].end - problems[0].start), "<span>");
    ASSERT_TRUE(problems[0].HasRelated());
    EXPECT_EQ(
        page.substr(problems[0].relatedStart, problems[0].relatedEnd - problems[0].relatedStart),
        "</div>");
    EXPECT_EQ(check.Rules(Html5Page("<div><span>x</span></div>")), Rules{});
    // Left open to the end of the page.
    EXPECT_EQ(check.Rules("<!DOCTYPE html><title>t</title><div>x"), Rules{"unclosed-element"});
    // A paragraph whose end tag would be optional is not: an element inside it is open.
    EXPECT_EQ(check.Rules(Html5Page("<p><b>x<div>y</div>")), Rules{"unclosed-element"});
}

TEST(Structure, MisnestedFormattingIsReportedWhereBrowsersRepairIt) {
    const PageCheck check({"HTML5"});
    // </b> closes B across I; the </i> that follows at once has nothing left to close.
    EXPECT_EQ(check.Rules(Html5Page("<b><i>x</b></i>")), (Rules{"misnested", "misnested"}));
    // With text between, browsers open I again after </b>, and </i> closes that one.
    EXPECT_EQ(check.Rules(Html5Page("<b><i>x</b>y</i>")), Rules{"misnested"});
    EXPECT_EQ(check.Rules(Html5Page("<b><i>x</i></b>")), Rules{});
    // A block end tag that crosses a formatting element leaves that element open.
    EXPECT_EQ(check.Rules(Html5Page("<div><b>x</div></b>")),
              (Rules{"unclosed-element", "misnested"}));
    // Headings and links cannot hold their own kind.
    EXPECT_EQ(check.Rules(Html5Page("<h1>a<h2>b</h2>")), Rules{"misnested"});
    EXPECT_EQ(check.Rules(Html5Page("<h1>a</h2>")), Rules{"misnested"});
    EXPECT_EQ(check.Rules(Html5Page("<a href=x>a<a href=y>b</a></a>")),
              (Rules{"misnested", "stray-end-tag"}));
    EXPECT_EQ(check.Rules(Html5Page("<a href=x>a</a><a href=y>b</a>")), Rules{});
}

TEST(Structure, EndTagsWithNothingToClose) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<p>x</p></p>")), Rules{"stray-end-tag"});
    EXPECT_EQ(check.Rules(Html5Page("x</span>")), Rules{"stray-end-tag"});
    EXPECT_EQ(check.Rules(Html5Page("<ul><li>x</li></li></ul>")), Rules{"stray-end-tag"});
    EXPECT_EQ(check.Rules(Html5Page("<ul><li>x</li></ul>")), Rules{});
    // An end tag that would have to cross a block to reach its element.
    EXPECT_EQ(check.Rules(Html5Page("<span><div>x</span></div></span>")),
              (Rules{"block-in-inline", "misnested"}));
}

TEST(Structure, EmptyElementsHaveNoEndTags) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("a<br></br>b")), Rules{"void-end-tag"});
    EXPECT_EQ(check.Rules(Html5Page("<img src=a alt=\"\"></img>")), Rules{"void-end-tag"});
    EXPECT_EQ(check.Rules(Html5Page("<input name=a></input>")), Rules{"void-end-tag"});
    EXPECT_EQ(check.Rules(Html5Page("a<br>b<br/>c<input name=a>")), Rules{});
    // "/>" makes no element empty: the DIV stays open.
    EXPECT_EQ(check.Rules(Html5Page("<div/>x")), (Rules{"self-closing-tag", "unclosed-element"}));
    EXPECT_EQ(check.Rules(Html5Page("<svg><path d=M0/><g></g></svg>")), Rules{});
}

TEST(Structure, ElementsOutOfTheirContext) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<li>x</li>")), Rules{"context"});
    EXPECT_EQ(check.Rules(Html5Page("<ol><li>x</li></ol>")), Rules{});
    // Browsers drop a cell outside a table, and then its end tag has nothing to close.
    EXPECT_EQ(check.Rules(Html5Page("<td>x</td>")), (Rules{"context", "stray-end-tag"}));
    EXPECT_EQ(check.Rules(Html5Page("<table><td>x</td></table>")), Rules{"context"});
    EXPECT_EQ(check.Rules(Html5Page("<table><tr><td>x</td></tr></table>")), Rules{});
    EXPECT_EQ(check.Rules(Html5Page("<table>text<tr><td>x</table>")), Rules{"context"});
    EXPECT_EQ(check.Rules(Html5Page("<table><div>x</div><tr><td>y</table>")), Rules{"context"});
    EXPECT_EQ(check.Rules(Html5Page("<title>again</title>")), Rules{"context"});
    EXPECT_EQ(check.Rules(Html5Page("<ul><p>x</p></ul>")), Rules{"context"});
    EXPECT_EQ(check.Rules(Html5Page("<form><form></form></form>")),
              (Rules{"context", "stray-end-tag"}));
    // A DTD validator takes a list item's start tag as left out where a list holds
    // something else, so the rest of the list is read inside that item: one error per list.
    const PageCheck html4({"HTML v4.0"});
    EXPECT_EQ(html4.Rules("<ul><p>one<p>two<li>three</ul><dl><p>x<dd>y</dl>"),
              (Rules{"context", "context"}));
    EXPECT_EQ(html4.Rules("<ul><li><p>one<p>two<li>three</ul><dl><dd><p>x<dd>y</dl>"), Rules{});
    // Inside a TEMPLATE anything goes: its contents are put somewhere else later.
    EXPECT_EQ(check.Rules(Html5Page("<template><tr><td>x</td></tr></template>")), Rules{});
}

TEST(Structure, BlocksInsideTextLevelElements) {
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<span><div>x</div></span>")),
              Rules{"block-in-inline"});
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<div><span>x</span></div>")), Rules{});
    // A link holds what its parent may hold in HTML5, not in HTML 4.0.
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<a href=x><div>x</div></a>")), Rules{});
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules("<a href=x><div>x</div></a>"),
              Rules{"block-in-inline"});
}

TEST(Structure, TagsCutOffByTheEndOfThePage) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules("<!DOCTYPE html><title>t</title><p title=\"open>x</p>\n"),
              Rules{"unterminated-tag"});
    EXPECT_EQ(check.Rules("<!DOCTYPE html><title>t</title><p title=\"closed\">x</p>\n"), Rules{});
}

TEST(Structure, ScriptsAndStylesHoldNoMarkup) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<script>if (a < b) document.write(\"</p><b>\");</script>"
                                    "<style>p > b { }</style><textarea name=t></div></textarea>")),
              Rules{});
    EXPECT_EQ(check.Rules(Html5Page("<script>x")), Rules{"unclosed-element"});
}

} // namespace
} // namespace velto::test
