// The living standard in the knowledge base: what it keeps of the older records, what it
// added to them, its void and end-tag-optional elements, and its globals.
#include "KbTestSupport.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>

using namespace velto;
using namespace velto::test;

namespace {

bool InHtml5(const HtmlMeta& r) {
    return (r.Versions() & VersionBits::Html5) != 0;
}

} // namespace

using Html5Records = KbTest;

TEST_F(Html5Records, ObsoleteElementsAndAttributesLackTheBit) {
    for (const char* e : {"FONT", "CENTER", "FRAMESET", "FRAME", "NOFRAMES", "APPLET", "ACRONYM",
                          "BASEFONT", "BIG", "DIR", "ISINDEX", "LISTING", "MARQUEE", "MULTICOL",
                          "NOBR", "PLAINTEXT", "SPACER", "STRIKE", "TT", "XMP", "PARAM", "NEXTID"})
        EXPECT_FALSE(InHtml5(El(e))) << e;
    const std::pair<const char*, const char*> obsolete[] = {
        {"BODY", "BGCOLOR"}, {"BODY", "BACKGROUND"}, {"IMG", "ALIGN"},   {"IMG", "BORDER"},
        {"IMG", "LOWSRC"},   {"TABLE", "BORDER"},    {"TABLE", "ALIGN"}, {"P", "ALIGN"},
        {"A", "NAME"},       {"A", "REV"},           {"HR", "NOSHADE"},  {"TD", "NOWRAP"},
        {"SCRIPT", "LANGUAGE"}, {"IFRAME", "FRAMEBORDER"}, {"LINK", "REV"}};
    for (const auto& [e, a] : obsolete) {
        EXPECT_TRUE(InHtml5(El(e))) << e;
        EXPECT_FALSE(InHtml5(Att(e, a))) << e << " " << a;
    }
    // Values the standard dropped from attributes it kept.
    EXPECT_FALSE(InHtml5(Val("INPUT", "TYPE", "SELECT-ONE")));
    EXPECT_FALSE(InHtml5(Val("SCRIPT", "TYPE", "text/vbscript")));
    EXPECT_FALSE(InHtml5(Val("A", "REL", "CONTENTS")));
    EXPECT_TRUE(InHtml5(Val("A", "REL", "NEXT")));
    EXPECT_TRUE(InHtml5(Val("BASE", "TARGET", "_blank")));
}

TEST_F(Html5Records, KeptAndNewAttributesOfOlderElements) {
    const std::pair<const char*, const char*> kept[] = {
        {"A", "HREF"}, {"A", "TARGET"}, {"IMG", "SRC"}, {"IMG", "ALT"}, {"INPUT", "NAME"},
        {"TD", "COLSPAN"}, {"FORM", "ACTION"}, {"LINK", "REL"}, {"OL", "START"}};
    for (const auto& [e, a] : kept)
        EXPECT_TRUE(InHtml5(Att(e, a))) << e << " " << a;
    const std::pair<const char*, const char*> added[] = {
        {"INPUT", "REQUIRED"}, {"INPUT", "PLACEHOLDER"}, {"INPUT", "PATTERN"},
        {"INPUT", "MIN"},      {"INPUT", "MAX"},         {"INPUT", "STEP"},
        {"INPUT", "MULTIPLE"}, {"INPUT", "AUTOCOMPLETE"}, {"INPUT", "LIST"},
        {"INPUT", "FORM"},     {"INPUT", "FORMACTION"},  {"IMG", "SRCSET"},
        {"IMG", "SIZES"},      {"IMG", "LOADING"},       {"IMG", "DECODING"},
        {"IMG", "CROSSORIGIN"}, {"SCRIPT", "ASYNC"},     {"SCRIPT", "DEFER"},
        {"SCRIPT", "INTEGRITY"}, {"META", "CHARSET"},    {"A", "DOWNLOAD"},
        {"LINK", "AS"},        {"IFRAME", "SANDBOX"},    {"TH", "SCOPE"}};
    for (const auto& [e, a] : added) {
        EXPECT_EQ(Att(e, a).Versions(), VersionBits::Html5) << e << " " << a;
    }
    for (const char* t : {"EMAIL", "URL", "TEL", "NUMBER", "RANGE", "DATE", "MONTH", "WEEK",
                          "TIME", "DATETIME-LOCAL", "COLOR", "SEARCH"})
        EXPECT_EQ(Val("INPUT", "TYPE", t).Versions(), VersionBits::Html5) << t;
    EXPECT_EQ(Val("SCRIPT", "TYPE", "module").Versions(), VersionBits::Html5);
    EXPECT_EQ(Val("A", "REL", "noopener").Versions(), VersionBits::Html5);
    // New values go before the typed-in entry.
    const auto& rel = Att("LINK", "REL").Values();
    EXPECT_TRUE(rel.back()->IsManualEntryValue());
    EXPECT_EQ(Val("LINK", "REL", "icon").Versions(), VersionBits::Html5);
    // The event holder stays last.
    EXPECT_TRUE(El("INPUT").OwnAttributes().back()->IsEventHolder());
}

TEST_F(Html5Records, VoidAndEndTagOptionalElements) {
    for (const char* e : {"SOURCE", "TRACK", "WBR", "EMBED", "BR", "HR", "AREA", "IMG", "META",
                          "LINK", "BASE", "INPUT", "COL"})
        EXPECT_TRUE(El(e).KindFlags() == ElementClass::Empty ||
                    (std::string_view(e) == "INPUT" &&
                     El(e).KindFlags() == ElementClass::EndTagOptional))
            << e;
    for (const char* e : {"RT", "RP", "OPTGROUP"})
        EXPECT_EQ(El(e).KindFlags(), ElementClass::EndTagOptional) << e;
    for (const char* e : {"VIDEO", "AUDIO", "SECTION", "TEMPLATE", "SVG", "MATH", "RUBY"})
        EXPECT_EQ(El(e).KindFlags(), ElementClass::Container) << e;
    // ABBR and OPTGROUP were HTML 4.0's too.
    EXPECT_EQ(El("ABBR").Versions(), VersionBits::Html40 | VersionBits::Html5);
    EXPECT_EQ(El("OPTGROUP").Versions(), VersionBits::Html40 | VersionBits::Html5);
}

TEST_F(Html5Records, GlobalsAreSharedUnderHtml5Only) {
    for (const char* g : {"ACCESSKEY", "AUTOCAPITALIZE", "AUTOFOCUS", "CONTENTEDITABLE",
                          "DRAGGABLE", "ENTERKEYHINT", "HIDDEN", "INERT", "INPUTMODE", "IS",
                          "ITEMID", "ITEMPROP", "ITEMREF", "ITEMSCOPE", "ITEMTYPE", "NONCE",
                          "POPOVER", "SPELLCHECK", "TABINDEX", "TRANSLATE", "ROLE"})
        EXPECT_EQ(Shared(g).Versions(), VersionBits::Html5) << g;
    for (const char* g : {"STYLE", "CLASS", "ID", "TITLE", "LANG", "DIR"})
        EXPECT_TRUE(InHtml5(Shared(g))) << g;
    const auto& roles = Shared("ROLE").Values();
    EXPECT_GT(roles.size(), 70u);
    for (const char* r : {"button", "navigation", "main", "dialog", "tabpanel", "none"}) {
        EXPECT_TRUE(std::any_of(roles.begin(), roles.end(),
                                [r](const auto& v) { return v->Name() == r; }))
            << r;
    }
    // EMBED's own HIDDEN of Navigator stands in place of the global one.
    const auto embed = El("EMBED").GetAttributes(AttributeIteration::SharedOnly);
    EXPECT_TRUE(std::none_of(embed.begin(), embed.end(),
                             [](const HtmlMetaAttBase* a) { return a->Name() == "HIDDEN"; }));
    EXPECT_TRUE(std::any_of(embed.begin(), embed.end(),
                            [](const HtmlMetaAttBase* a) { return a->Name() == "INERT"; }));
}
