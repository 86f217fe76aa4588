// Element lookup, the version selection and its filter, and attribute iteration.
#include "KbTestSupport.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>

using namespace velto;
using namespace velto::test;

namespace {

std::vector<std::string> Names(const std::vector<const HtmlMetaAttBase*>& atts) {
    std::vector<std::string> names;
    for (const HtmlMetaAttBase* a : atts)
        names.push_back(a->Name());
    return names;
}

} // namespace

using Lookup = KbTest;

TEST_F(Lookup, ElementsAreFoundWithoutRegardToCase) {
    for (const auto& e : kb.Elements()) {
        EXPECT_EQ(kb.FindElement(e->Name()), e.get()) << e->Name();
        EXPECT_EQ(kb.FindElement(ascii::ToLower(e->Name())), e.get()) << e->Name();
    }
    EXPECT_EQ(kb.FindElement("h1"), kb.FindElement("H1"));
    EXPECT_EQ(kb.FindElement("!doctype"), &El("!DOCTYPE"));
    EXPECT_EQ(kb.FindElement("bLoCkQuOtE")->Name(), "BLOCKQUOTE");
}

TEST_F(Lookup, AnythingAfterTheCommentOpenerFindsTheComment) {
    const HtmlMetaElement* comment = kb.FindElement("!--");
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(kb.FindElement("!-- a note"), comment);
    EXPECT_EQ(kb.FindElement("!--x"), comment);
    EXPECT_EQ(kb.FindElement("!----"), comment);
    EXPECT_EQ(kb.FindElement("!-"), nullptr);
    EXPECT_EQ(kb.FindElement("!"), nullptr);
}

TEST_F(Lookup, UnknownOddAndOverlongNamesFindNothing) {
    EXPECT_EQ(kb.FindElement(""), nullptr);
    EXPECT_EQ(kb.FindElement("BLINK"), nullptr);
    EXPECT_EQ(kb.FindElement("H7"), nullptr);
    EXPECT_EQ(kb.FindElement("H"), nullptr);
    EXPECT_EQ(kb.FindElement("TABLES"), nullptr);
    EXPECT_EQ(kb.FindElement(std::string_view("TD\0", 3)), nullptr);
    EXPECT_EQ(kb.FindElement("\xff\xfe"), nullptr);
    EXPECT_EQ(kb.FindElement("é"), nullptr);
    EXPECT_EQ(kb.FindElement(std::string(72, 'A')), nullptr);
    EXPECT_EQ(kb.FindElement(std::string(100000, 'B')), nullptr);
    EXPECT_EQ(kb.FindElement("!--" + std::string(100000, '-')), kb.FindElement("!--"));
}

TEST_F(Lookup, AnyOfAndAllOfRules) {
    // Every version "any of": only the any-of rule applies.
    EXPECT_EQ(html.allMask, 0u);
    EXPECT_TRUE(kb.IsAllowed(0x7030F));
    EXPECT_TRUE(kb.IsAllowed(0xFFFFFFF));
    EXPECT_FALSE(kb.IsAllowed(VersionBits::Html30Draft));
    EXPECT_FALSE(kb.IsAllowed(VersionBits::Explorer40));
    EXPECT_FALSE(kb.IsAllowed(0));

    // "All of" HTML 4.0 and Internet Explorer 3.0: a record needs both.
    Select({"HTML v4.0", "Internet Explorer 3.0"}, VersionState::AllOf);
    EXPECT_EQ(html.anyMask, 0u);
    EXPECT_TRUE(kb.IsAllowed(0x60008));
    EXPECT_TRUE(kb.IsAllowed(0xFFFFFFF));
    EXPECT_FALSE(kb.IsAllowed(0x40008));
    EXPECT_FALSE(kb.IsAllowed(0x20000));

    // Both sets at once: either rule admits.
    html.versions[6].state = VersionState::AnyOf; // Netscape Navigator 3.0
    kb.RebuildAllowed();
    EXPECT_TRUE(kb.IsAllowed(0x200));
    EXPECT_TRUE(kb.IsAllowed(0x20008));
    EXPECT_FALSE(kb.IsAllowed(0x4));

    // Nothing selected: nothing is allowed, not even a record of every version.
    Select({});
    EXPECT_FALSE(kb.IsAllowed(0xFFFFFFF));
}

TEST_F(Lookup, FilteredElementsFollowTheLastRebuild) {
    EXPECT_EQ(kb.FindAllowedElement("TABLE"), nullptr) << "the filter starts empty";
    EXPECT_TRUE(kb.AllowedElements().empty());

    kb.RebuildAllowed();
    EXPECT_EQ(kb.FindAllowedElement("table"), &El("TABLE"));
    EXPECT_EQ(kb.FindAllowedElement("!-- note"), &El("!--"));
    EXPECT_EQ(kb.FindAllowedElement("RANGE"), nullptr) << "HTML 3.0 drafts only: advanced";
    EXPECT_EQ(kb.FindAllowedElement("FIG"), nullptr);
    EXPECT_EQ(kb.FindAllowedElement("NOSUCH"), nullptr);
    for (const auto& e : kb.Elements()) {
        const bool allowed = kb.IsAllowed(e->Versions());
        EXPECT_EQ(kb.FindAllowedElement(e->Name()) != nullptr, allowed) << e->Name();
        EXPECT_EQ(std::ranges::count(kb.AllowedElements(), e.get()), allowed ? 1 : 0);
    }

    Select({"HTML v2.0"});
    EXPECT_EQ(kb.FindAllowedElement("TABLE"), nullptr);
    EXPECT_EQ(kb.FindAllowedElement("NEXTID"), &El("NEXTID"));

    // Changing the states alone leaves the filter as the last rebuild made it; the rebuild
    // recomputes the masks itself.
    html.versions[2].state = VersionState::AnyOf; // HTML v4.0
    EXPECT_EQ(kb.FindAllowedElement("TABLE"), nullptr);
    kb.RebuildAllowed();
    EXPECT_EQ(html.anyMask, 0x9u);
    EXPECT_EQ(kb.FindAllowedElement("TABLE"), &El("TABLE"));
}

TEST_F(Lookup, RebuildTellsItsListeners) {
    int menus = 0, other = 0;
    const int id = kb.AddRebuildListener([&] {
        ++menus;
        EXPECT_NE(kb.FindAllowedElement("BODY"), nullptr) << "called after the filter is made";
    });
    kb.AddRebuildListener([&] { ++other; });
    kb.RebuildAllowed();
    kb.RebuildAllowed();
    EXPECT_EQ(menus, 2);
    kb.RemoveRebuildListener(id);
    kb.RebuildAllowed();
    EXPECT_EQ(menus, 2);
    EXPECT_EQ(other, 3);

    // A listener that takes itself off while being called.
    int once = 0;
    int selfId = 0;
    selfId = kb.AddRebuildListener([&] {
        ++once;
        kb.RemoveRebuildListener(selfId);
    });
    kb.RebuildAllowed();
    kb.RebuildAllowed();
    EXPECT_EQ(once, 1);
}

TEST_F(Lookup, SharedAttributesOfferedBySelectWord) {
    std::vector<std::string> core = {"STYLE", "CLASS", "ID", "TITLE"};
    std::vector<std::string> language = {"LANG", "DIR"};
    std::vector<std::string> all = core;
    all.insert(all.end(), language.begin(), language.end());
    auto shared = [&](std::string_view e) {
        return Names(El(e).GetAttributes(AttributeIteration::SharedOnly));
    };
    // The globals of the living standard come after the six of HTML 4.0, wherever either
    // group of those is offered.
    std::vector<std::string> globals;
    for (std::size_t i = 6; i < kb.SharedAttributes().size(); ++i)
        globals.push_back(kb.SharedAttributes()[i]->Name());
    ASSERT_GT(globals.size(), 20u);
    auto with = [&](std::vector<std::string> names) {
        names.insert(names.end(), globals.begin(), globals.end());
        return names;
    };
    core = with(core);
    language = with(language);
    all = with(all);
    EXPECT_EQ(shared("BODY"), all);                            // 0
    EXPECT_EQ(shared("!DOCTYPE"), std::vector<std::string>{}); // 2
    EXPECT_EQ(shared("!--"), std::vector<std::string>{});      // 2
    EXPECT_EQ(shared("BR"), core);                             // hex 102
    EXPECT_EQ(shared("HTML"), language);                       // hex 202
    EXPECT_EQ(shared("ISINDEX"), all);                         // hex 302

    // A bit of the refusing half takes away what the group would give.
    const HtmlMetaAttShared refused(kb, kb.NextSerial(), {"X", "&X", "", "x"}, 0x8, AttKind::Text,
                                    0x00100101);
    EXPECT_TRUE(refused.IsOfferedOn(0));
    EXPECT_FALSE(refused.IsOfferedOn(0x00100000));
    EXPECT_FALSE(refused.IsOfferedOn(0x00100102));
    EXPECT_TRUE(refused.IsOfferedOn(0x00200102));

    // An element with an own ACCESSKEY or TABINDEX refuses the global of that name only.
    const auto a = shared("A");
    EXPECT_EQ(std::count(a.begin(), a.end(), "ACCESSKEY"), 0);
    EXPECT_EQ(std::count(a.begin(), a.end(), "TABINDEX"), 0);
    EXPECT_EQ(std::count(a.begin(), a.end(), "ROLE"), 1);
    EXPECT_EQ(a.size(), all.size() - 2);
    const auto legend = shared("LEGEND");
    EXPECT_EQ(std::count(legend.begin(), legend.end(), "TABINDEX"), 1);
    EXPECT_EQ(std::count(legend.begin(), legend.end(), "ACCESSKEY"), 0);
}

TEST_F(Lookup, AttributeIterationModes) {
    const auto br = Names(El("BR").GetAttributes(AttributeIteration::All));
    ASSERT_GT(br.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(br.begin(), br.begin() + 4),
              (std::vector<std::string>{"STYLE", "CLASS", "ID", "TITLE"}));
    EXPECT_EQ(br.back(), "CLEAR");
    EXPECT_EQ(br.size(), kb.SharedAttributes().size() - 2 + 1) << "all but LANG and DIR";
    EXPECT_EQ(Names(El("BR").GetAttributes(AttributeIteration::OwnOnly)),
              std::vector<std::string>{"CLEAR"});
    const auto body = El("BODY").GetAttributes(AttributeIteration::All);
    EXPECT_EQ(body.size(), kb.SharedAttributes().size() + 11u + 1u);
    EXPECT_TRUE(body.back()->IsEventHolder());
    EXPECT_EQ(Names(El("!DOCTYPE").GetAttributes(AttributeIteration::All)),
              std::vector<std::string>{});
}

TEST_F(Lookup, FindAttributeByNameInEachTerminology) {
    const HtmlMetaElement& body = El("BODY");
    EXPECT_EQ(body.FindAttribute("bgcolor"), &Att("BODY", "BGCOLOR"));
    EXPECT_EQ(body.FindAttribute("Title"), &Shared("TITLE"));
    EXPECT_EQ(body.FindAttribute("event handlers"), body.OwnAttributes().back().get());
    EXPECT_EQ(body.FindAttribute("Advisory Tooltip", NameMode::HtmlTerm), &Shared("TITLE"));
    EXPECT_EQ(El("IMG").FindAttribute("image file uri", NameMode::Descriptive), &Att("IMG", "SRC"));
    EXPECT_EQ(body.FindAttribute("NOSUCH"), nullptr);
    EXPECT_EQ(body.FindAttribute(""), nullptr);
    EXPECT_EQ(El("!DOCTYPE").FindAttribute("STYLE"), nullptr);
    // The element's own TITLE: HTML offers no core group.
    EXPECT_EQ(El("HTML").FindAttribute("TITLE"), &Att("HTML", "TITLE"));
    EXPECT_EQ(El("BDO").FindAttribute("dir"), &Att("BDO", "Dir"));
    EXPECT_EQ(El("AREA").FindAttribute("TABINDEX")->Name(), "TABINDEX");
}

TEST_F(Lookup, UsableAndAllowedAttributes) {
    kb.RebuildAllowed();
    EXPECT_TRUE(El("NEXTID").HasAllowedAttributes()) << "through the shared attributes";
    EXPECT_FALSE(El("!DOCTYPE").HasAllowedAttributes());
    EXPECT_FALSE(El("!DOCTYPE").HasUsableAttributes());
    Select({"HTML v2.0"});
    EXPECT_FALSE(El("NEXTID").HasAllowedAttributes());
    EXPECT_FALSE(El("HTML").HasUsableAttributes());
    EXPECT_TRUE(El("A").HasUsableAttributes());
    EXPECT_TRUE(El("IMG").HasAllowedAttributes());
    EXPECT_TRUE(El("DIV").HasAllowedAttributes()) << "the event holder is of every version";
}
