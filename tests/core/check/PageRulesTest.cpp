// Check Page on what concerns a page as a whole (doctype, title, language), on switching
// rules off, and on the settings that keep them.
#include "CheckTestSupport.h"
#include "core/check/CheckSettings.h"
#include "core/check/ProblemList.h"
#include "core/platform/MemoryProfile.h"

#include <gtest/gtest.h>

namespace velto::test {
namespace {

TEST(Page, DoctypeTitleAndLanguageAreInfos) {
    const PageCheck check({"HTML5"});
    const std::vector<Problem> problems = check.Check("<p>Just a paragraph</p>");
    std::vector<Rule> rules;
    for (const Problem& p : problems) {
        rules.push_back(p.rule);
        EXPECT_EQ(p.severity, Severity::Info);
    }
    EXPECT_EQ(rules,
              (std::vector<Rule>{Rule::MissingDoctype, Rule::MissingTitle, Rule::MissingLang}));
    EXPECT_TRUE(check.Check("<!DOCTYPE html><html lang=en><title>t</title><p>x").empty());
    // HTML 3.2 had no LANG.
    EXPECT_EQ(PageCheck({"HTML v3.2"})
                  .Found("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">"
                         "<TITLE>t</TITLE><P>x"),
              std::vector<std::string>{});
}

TEST(Page, ADoctypeOfAnotherVersion) {
    const std::string page =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html lang=en><title>t</title>";
    EXPECT_EQ(PageCheck({"HTML5"}).Found(page), std::vector<std::string>{"doctype-version@1"});
    EXPECT_EQ(PageCheck({"HTML v4.0"}).Found(page), std::vector<std::string>{});
    EXPECT_EQ(PageCheck({"HTML5"}).Found(Html5Page("<p>x</p><!DOCTYPE html>")),
              std::vector<std::string>{"context@3"});
}

TEST(Page, RulesSwitchedOffReportNothing) {
    const PageCheck check({"HTML5"});
    const std::string page = Html5Page("<font>x</font><img src=a.png>");
    CheckSettings settings;
    settings.SetEnabled(Rule::ElementVersion, false);
    CheckOptions options;
    options.settings = &settings;
    EXPECT_EQ(check.Rules(page, options), Rules{"missing-attribute"});
    settings.SetEnabled(Rule::MissingAttribute, false);
    EXPECT_EQ(check.Rules(page, options), Rules{});
}

TEST(Page, DamagedInputEndsInBoundedWork) {
    const PageCheck check({"HTML5"});
    // Deep nesting, a tag of many attributes, unclosed formatting repeated: each check
    // still ends, and a flood of problems is cut short with a note.
    std::string deep;
    for (int i = 0; i < 20000; ++i)
        deep += "<div><b>";
    for (int i = 0; i < 20000; ++i)
        deep += "</span>x";
    EXPECT_FALSE(check.Check(deep).empty());
    std::string wide = "<p";
    for (int i = 0; i < 50000; ++i)
        wide += " a" + std::to_string(i % 1000);
    wide += ">";
    EXPECT_FALSE(check.Check(wide).empty());
    std::string flood;
    for (int i = 0; i < 120000; ++i)
        flood += "</x>";
    const std::vector<Problem> problems = check.Check(flood);
    ASSERT_EQ(problems.size(), ProblemList::MaxProblems + 1);
    EXPECT_EQ(problems.back().rule, Rule::TooManyProblems);
    // Bytes that are no text at all.
    std::string binary;
    for (int i = 0; i < 100000; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    (void)check.Check(binary);
}

TEST(Settings, StoredAsTheIdsOfTheRulesSwitchedOff) {
    MemoryProfile profile;
    CheckSettings settings;
    settings.checkPages = false;
    settings.SetEnabled(Rule::MissingFile, false);
    settings.SetEnabled(Rule::BareAmpersand, false);
    ASSERT_TRUE(settings.Save(profile));
    EXPECT_EQ(profile.GetString(CheckSettings::Section, "DisabledRules", ""),
              "missing-file,bare-ampersand");
    CheckSettings loaded;
    loaded.Load(profile);
    EXPECT_EQ(loaded, settings);
    // Settings from before Check Page: every rule on; ids this version does not know and
    // stray blanks are passed over.
    MemoryProfile old;
    loaded.Load(old);
    EXPECT_EQ(loaded, CheckSettings());
    old.WriteString(CheckSettings::Section, "DisabledRules",
                    " duplicate-id , no-such-rule,,context");
    loaded.Load(old);
    EXPECT_FALSE(loaded.IsEnabled(Rule::DuplicateId));
    EXPECT_FALSE(loaded.IsEnabled(Rule::Context));
    EXPECT_TRUE(loaded.IsEnabled(Rule::UnknownElement));
}

TEST(Rules, EveryRuleHasAnIdATitleAndIsFoundByItsId) {
    for (const RuleInfo& r : velto::Rules()) {
        EXPECT_FALSE(r.id.empty());
        EXPECT_FALSE(r.title.empty());
        EXPECT_EQ(RuleById(r.id), r.rule);
        EXPECT_EQ(r.id.find_first_of(" ,"), std::string_view::npos) << r.id;
    }
    EXPECT_EQ(RuleById("no-such-rule"), std::nullopt);
}

} // namespace
} // namespace velto::test
