// Every rule of Check Page on the smallest page that shows it and on its nearest valid
// neighbour, which must not give it; the table has a row for every rule.
#include "CheckTestSupport.h"
#include "core/check/ProblemList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace velto::test {
namespace {

struct Row {
    Rule rule;
    const char* version; // the one version selected
    const char* faulty;  // whole pages: "%" stands for a valid HTML5 page's start
    const char* valid;
};

constexpr const char* Top = "<!DOCTYPE html><html lang=en><title>t</title>";

const Row Table[] = {
    {Rule::UnknownElement, "HTML5", "%<blonk>x</blonk>", "%<b-lonk>x</b-lonk>"},
    {Rule::ElementVersion, "HTML5", "%<center>x</center>", "%<div>x</div>"},
    {Rule::UnknownAttribute, "HTML5", "%<p foo=1>x", "%<p data-foo=1>x"},
    {Rule::AttributeVersion, "HTML5", "%<p align=left>x", "%<p class=left>x"},
    {Rule::UnknownValue, "HTML5", "%<input name=a type=txet>", "%<input name=a type=text>"},
    {Rule::ValueVersion, "HTML v4.0", "<input name=a type=email>", "<input name=a type=text>"},
    {Rule::MissingAttribute, "HTML5", "%<img src=a.png>", "%<img src=a.png alt=a>"},
    {Rule::DuplicateAttribute, "HTML5", "%<p class=a class=b>x", "%<p class=\"a b\">x"},
    {Rule::UnquotedValue, "HTML5", "%<p title=a=b>x", "%<p title=\"a=b\">x"},
    {Rule::StrayEndTag, "HTML5", "%x</span>", "%<span>x</span>"},
    {Rule::UnclosedElement, "HTML5", "%<div>x", "%<div>x</div>"},
    {Rule::Misnested, "HTML5", "%<b><i>x</b></i>", "%<b><i>x</i></b>"},
    {Rule::VoidEndTag, "HTML5", "%a<br></br>b", "%a<br>b"},
    {Rule::SelfClosingTag, "HTML5", "%<div/>x</div>", "%<br/>x"},
    {Rule::Context, "HTML5", "%<li>x", "%<ul><li>x</ul>"},
    {Rule::BlockInInline, "HTML5", "%<span><div>x</div></span>", "%<div><span>x</span></div>"},
    {Rule::DuplicateId, "HTML5", "%<p id=a>x<p id=a>y", "%<p id=a>x<p id=b>y"},
    {Rule::MissingFragment, "HTML5", "%<a href=#b>x</a><p id=a>", "%<a href=#a>x</a><p id=a>"},
    {Rule::MissingFile, "HTML5", "%<img src=gone.png alt=a>", "%<img src=here.png alt=a>"},
    {Rule::UnterminatedComment, "HTML5", "%<!-- x", "%<!-- x -->"},
    {Rule::UnterminatedTag, "HTML5", "%<p title=\"x>", "%<p title=\"x\">"},
    {Rule::UnknownReference, "HTML5", "%&nbps;", "%&nbsp;"},
    {Rule::BareAmpersand, "HTML5", "%&copy 2024", "%&copy; 2024 a & b"},
    {Rule::MissingDoctype, "HTML5", "<html lang=en><title>t</title>", "%"},
    {Rule::DoctypeVersion, "HTML5",
     "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><html lang=en><title>t</title>", "%"},
    {Rule::MissingTitle, "HTML5", "<!DOCTYPE html><html lang=en><p>x", "%<p>x"},
    {Rule::MissingLang, "HTML5", "<!DOCTYPE html><html><title>t</title>", "%"},
};

std::string Page(const char* pattern) {
    std::string page = pattern;
    if (const std::size_t at = page.find('%'); at != std::string::npos)
        page.replace(at, 1, Top);
    return page;
}

bool Gives(const PageCheck& check, const std::string& page, Rule rule,
           const CheckOptions& options) {
    const std::vector<Problem> problems = check.Check(page, options);
    return std::any_of(problems.begin(), problems.end(),
                       [rule](const Problem& p) { return p.rule == rule; });
}

TEST(RuleTable, EachRuleOnItsSmallestPageAndNotOnItsValidNeighbour) {
    CheckOptions options;
    options.documentPath = "/site/page.html";
    options.fileExists = [](const std::string& path) { return path == "/site/here.png"; };
    std::set<Rule> covered;
    for (const Row& row : Table) {
        const PageCheck check({row.version});
        const std::string id(InfoOf(row.rule).id);
        EXPECT_TRUE(Gives(check, Page(row.faulty), row.rule, options))
            << id << " on " << Page(row.faulty);
        EXPECT_FALSE(Gives(check, Page(row.valid), row.rule, options))
            << id << " on " << Page(row.valid);
        covered.insert(row.rule);
    }
    // The one rule without a small page: a flood of problems (see DamagedInputEndsInBoundedWork).
    covered.insert(Rule::TooManyProblems);
    for (const RuleInfo& r : velto::Rules())
        EXPECT_TRUE(covered.count(r.rule)) << "no row for " << r.id;
}

} // namespace
} // namespace velto::test
