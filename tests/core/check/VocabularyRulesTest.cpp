// Check Page on elements, attributes and values against the selected versions: unknown
// ones, those the selection does not have (with the usual cure), required attributes as
// the standards require them, duplicates and quoting.
#include "CheckTestSupport.h"

#include <gtest/gtest.h>

namespace velto::test {
namespace {

std::string MessageOf(const PageCheck& check, const std::string& page, Rule rule) {
    for (const Problem& p : check.Check(page))
        if (p.rule == rule)
            return p.message;
    return {};
}

TEST(Vocabulary, ObsoleteElementsWithTheirCure) {
    const std::string body = "<center><font color=red>x</font></center><big>b</big><tt>t</tt>"
                             "<strike>s</strike><acronym title=a>a</acronym>";
    const PageCheck html5({"HTML5"});
    EXPECT_EQ(html5.Rules(Html5Page(body)), Rules(5 + 1, "element-version"));
    const std::string message = MessageOf(html5, Html5Page("<font>x</font>"), Rule::ElementVersion);
    EXPECT_NE(message.find("FONT is obsolete in HTML5"), std::string::npos) << message;
    EXPECT_NE(message.find("CSS"), std::string::npos) << message;
    // HTML 3.2 has them all but ACRONYM, which came with HTML 4.0.
    const std::string page32 =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\"><title>t</title>" + body;
    EXPECT_EQ(PageCheck({"HTML v3.2"}).Rules(page32), Rules{"element-version"});
    EXPECT_NE(MessageOf(PageCheck({"HTML v3.2"}), page32, Rule::ElementVersion)
                  .find("came with HTML v4.0"),
              std::string::npos);
    EXPECT_EQ(PageCheck({"HTML v3.2", "HTML v4.0"}).Rules(page32), Rules{});
    // A fresh editor selects every version: nothing is obsolete.
    EXPECT_EQ(PageCheck().Rules(Html5Page(body)), Rules{});
}

TEST(Vocabulary, UnknownAndCustomElements) {
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<foo>x</foo>")), Rules{"unknown-element"});
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<my-widget>x</my-widget>")), Rules{});
    // Custom elements came with HTML5.
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules("<my-widget>x</my-widget>"), Rules{"unknown-element"});
    // SVG's and MathML's own names belong inside their roots.
    EXPECT_EQ(
        PageCheck({"HTML5"}).Rules(Html5Page("<svg><circle r=1/></svg><math><mi>x</mi></math>")),
        Rules{});
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<circle r=1></circle>")),
              Rules{"unknown-element"});
}

TEST(Vocabulary, AttributesTheElementDoesNotHave) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<div foo=1>x</div>")), Rules{"unknown-attribute"});
    EXPECT_EQ(check.Rules(Html5Page("<div onfrob=f()>x</div>")), Rules{"unknown-attribute"});
    EXPECT_EQ(
        check.Rules(Html5Page("<div id=a class=b data-foo=1 aria-label=x role=note onclick=f() "
                              "hidden xml:lang=en>x</div>")),
        Rules{});
    // Presentational attributes are obsolete in HTML5 and a warning; HTML 4.0 had them.
    const std::string img = "<img src=a.png alt=\"\" align=left border=0>";
    const std::vector<Problem> problems = check.Check(Html5Page(img));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rule, Rule::AttributeVersion);
    EXPECT_EQ(problems[0].severity, Severity::Warning);
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules(img), Rules{});
    // DATA- attributes came with HTML5.
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules("<div data-x=1>x</div>"), Rules{"attribute-version"});
    // What the DTD of HTML 4.01 has beyond the records.
    EXPECT_EQ(PageCheck({"HTML v4.0"})
                  .Rules("<table summary=s><tr><td valign=middle scope=row>x</table>"),
              Rules{});
}

TEST(Vocabulary, EnumeratedValues) {
    const PageCheck check({"HTML5"});
    EXPECT_EQ(check.Rules(Html5Page("<input type=texte name=a>")), Rules{"unknown-value"});
    EXPECT_EQ(check.Rules(Html5Page("<input type=TEXT name=a><input type=email name=b>")), Rules{});
    // EMAIL came with HTML5.
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules("<input type=email name=b>"), Rules{"value-version"});
    // Attributes that take typed-in values as well take any value.
    EXPECT_EQ(check.Rules(Html5Page("<a href=x target=mywindow>x</a>")), Rules{});
}

TEST(Vocabulary, RequiredAttributesAsEachStandardRequiresThem) {
    const std::string image = "<img src=a.png>";
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page(image)), Rules{"missing-attribute"});
    EXPECT_NE(MessageOf(PageCheck({"HTML5"}), Html5Page(image), Rule::MissingAttribute).find("ALT"),
              std::string::npos);
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<img src=a.png alt=\"\">")), Rules{});
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules(image), Rules{"missing-attribute"});
    EXPECT_EQ(PageCheck({"HTML v3.2"}).Rules(image), Rules{});
    // HTML 4.0 required FORM's ACTION; HTML5 dropped that.
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Rules("<form><p>x</form>"), Rules{"missing-attribute"});
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<form><p>x</form>")), Rules{});
    // Nor is an element outside the selection held to its attributes.
    EXPECT_EQ(PageCheck({"HTML5"}).Rules(Html5Page("<applet>x</applet>")),
              Rules{"element-version"});
}

TEST(Vocabulary, DuplicateAttributesAndQuoting) {
    const PageCheck html5({"HTML5"});
    EXPECT_EQ(html5.Rules(Html5Page("<p title=a TITLE=b>x</p>")), Rules{"duplicate-attribute"});
    EXPECT_EQ(html5.Rules(Html5Page("<p title=a\"b>x</p>")), Rules{"unquoted-value"});
    EXPECT_EQ(html5.Rules(Html5Page("<p title= >x</p>")), Rules{"unquoted-value"});
    EXPECT_EQ(html5.Rules(Html5Page("<p class=a-b.c title=/x/y>x</p>")), Rules{});
    // SGML lets only name characters stand unquoted.
    const PageCheck html4({"HTML v4.0"});
    EXPECT_EQ(html4.Rules("<a href=/x/y.html>x</a>"), Rules{"unquoted-value"});
    EXPECT_EQ(html4.Rules("<a href=y.html>x</a>"), Rules{});
}

} // namespace
} // namespace velto::test
