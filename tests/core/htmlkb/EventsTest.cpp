// The event table, club sets, the enumeration under a version selection, and the event
// sets of every element.
#include "KbTestSupport.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

using namespace velto;
using namespace velto::test;

namespace {

std::vector<std::string> EventNames(const HtmlTagEventHolder& holder) {
    std::vector<std::string> names;
    for (const HtmlTagEvent* e : holder.EnumerateEvents())
        names.push_back(e->name);
    return names;
}

using Pairs = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// The (versions, mask) pairs of each element in the order added. The masks whose bits
// name the load, form, change and marquee events of the browsers carry group 1's nibble.
std::map<std::string, Pairs> EventContents() {
    const Pairs common = {{0x40008, 0x3000407F}};
    std::map<std::string, Pairs> contents;
    std::istringstream names(
        "H1 H2 H3 H4 H5 H6 P EM STRONG DFN CODE SAMP KBD VAR CITE ACRONYM TT I B U STRIKE S "
        "BIG SMALL SUB SUP UL OL LI DL DT DD DIR MENU CAPTION TR THEAD TBODY TFOOT COL HR PRE "
        "LISTING PLAINTEXT XMP BLOCKQUOTE Q ADDRESS INS DEL FIELDSET LEGEND SPAN CENTER FONT "
        "LABEL");
    for (std::string n; names >> n;)
        contents[n] = common;
    contents["BODY"] = {{0x200, 0x30000C00}, {0x200, 0x50000018}, {0x40008, 0x3000FFFF}};
    contents["DIV"] = {{0x40008, 0x30007FFF}};
    contents["A"] = {
        {0x300, 0x30000024}, {0x200, 0x30000040}, {0x20000, 0x30000024}, {0x40008, 0x30007FFF}};
    contents["IMG"] = {{0x200, 0x5000000E}, {0x40008, 0x30007FFF}, {0x40008, 0x30000007}};
    for (const char* n : {"TABLE", "TH", "TD"})
        contents[n] = {{0x40008, 0x300073FF}};
    contents["FORM"] = {{0x300, 0x50000200},
                        {0x200, 0x50000400},
                        {0x20000, 0x50000200},
                        {0x40008, 0x3000407F},
                        {0x40008, 0x50000600}};
    contents["INPUT"] = {{0x300, 0x30000C04},   {0x300, 0x50000900},   {0x20000, 0x30000C04},
                         {0x20000, 0x50000900}, {0x40008, 0x30007FFF}, {0x40008, 0x50000900}};
    contents["TEXTAREA"] = {{0x300, 0x30000C00},
                            {0x300, 0x50000100},
                            {0x200, 0x50000900},
                            {0x40008, 0x30007FFF},
                            {0x40008, 0x50000900}};
    contents["SELECT"] = {{0x300, 0x30000C00},
                          {0x300, 0x50000100},
                          {0x200, 0x30000004},
                          {0x40008, 0x30007FFF},
                          {0x40008, 0x50000100}};
    contents["MAP"] = {{0x40008, 0x300043FF}};
    contents["AREA"] = {{0x200, 0x30000060}, {0x200, 0x30000018}, {0x40008, 0x30007FFF}};
    contents["MARQUEE"] = {{0x40008, 0x300073FF}, {0x40008, 0x500000E0}};
    contents["BUTTON"] = {{0x40008, 0x30007C7F}};
    contents["EMBED"] = {{0x40008, 0x30007FFF}, {0x40008, 0x50000009}};
    contents["FRAMESET"] = {{0x200, 0x30000C00}, {0x200, 0x50000018}, {0x40008, 0x30004C7F}};
    contents["FRAME"] = {{0x40008, 0x30000C00}, {0x40008, 0x50000018}};
    contents["IFRAME"] = {{0x40008, 0x30000C00}};
    contents["APPLET"] = {{0x40008, 0x30003380}};
    contents["OBJECT"] = {{0x40008, 0x30007FFF}, {0x40008, 0x50003009}};
    return contents;
}

} // namespace

using Events = KbTest;

TEST_F(Events, TableHasTwoGroupsOfNamedSlots) {
    const HtmlTagEventClubs& clubs = kb.EventClubs();
    const std::vector<std::string> group0 = {
        "OnMouseDown",    "OnMouseUp",     "OnClick", "OnDblClick",
        "OnMouseMove",    "OnMouseOver",   "OnMouseOut",   "OnKeyDown",
        "OnKeyPress",     "OnKeyUp",       "OnFocus",      "OnBlur",
        "OnBeforeUpdate", "OnAfterUpdate", "OnHelp",       "OnScroll"};
    const std::vector<std::string> group1 = {
        "OnReadyStateChange", "OnAbort",  "OnError",  "OnLoad",   "OnUnload", "OnStart",
        "OnFinish",           "OnBounce", "OnChange", "OnSubmit", "OnReset",  "OnSelect",
        "OnRowEnter",         "OnRowExit"};
    std::set<std::uint32_t> ids;
    for (std::size_t g = 0; g < 2; ++g) {
        const auto& names = g == 0 ? group0 : group1;
        for (std::size_t pos = 0; pos < HtmlTagEventClubs::SlotsPerGroup; ++pos) {
            const HtmlTagEvent& e = clubs.Event(g, pos);
            if (pos < names.size()) {
                EXPECT_EQ(e.name, names[pos]);
                EXPECT_FALSE(e.description.empty()) << e.name;
                EXPECT_EQ(e.id & 0x0FFFFFFF, 1u << pos) << e.name;
                EXPECT_TRUE(ids.insert(e.id).second) << e.name;
            } else {
                EXPECT_TRUE(e.IsEmpty()) << g << " " << pos;
                EXPECT_EQ(e.name, "");
            }
        }
    }
    EXPECT_EQ(clubs.FindEvent("OnDblClick")->description,
              "Handle mouse button double click on element");
    EXPECT_EQ(clubs.FindEvent("OnAfterUpdate")->description,
              "Handle end of data transfer for element");
    EXPECT_EQ(clubs.FindEvent("OnRowExit")->description,
              "Handle before update of data for the current row");
    EXPECT_EQ(clubs.FindEvent("onload"), nullptr);
    EXPECT_TRUE(clubs.Event(HtmlTagEventClubs::GroupCount, 0).IsEmpty());
    EXPECT_TRUE(clubs.Event(0, 28).IsEmpty());
}

TEST_F(Events, TopNibbleChoosesTheSlot) {
    const std::map<std::uint32_t, std::size_t> slots = {
        {0x3, 0}, {0x5, 1}, {0x6, 2}, {0x9, 3}, {0xA, 4}, {0xC, 5}, {0x0, 0}, {0x7, 0}, {0xF, 0}};
    for (const auto& [nibble, slot] : slots)
        EXPECT_EQ(HtmlTagEventClubs::SlotOfMask(nibble << 28 | 0x1), slot) << nibble;
}

TEST_F(Events, AddEventsKeepsOneClubSetPerVersionMask) {
    HtmlTagEventHolder h(kb, kb.NextSerial(), kb.EventClubs());
    h.AddEvents(0x200, 0x30000001);
    h.AddEvents(0x8, 0x30000002);
    h.AddEvents(0x200, 0x30000004);
    h.AddEvents(0x200, 0x50000008, "loaded");
    ASSERT_EQ(h.ClubSets().size(), 2u);
    EXPECT_EQ(h.ClubSets()[0].versions, 0x200u);
    EXPECT_EQ(h.ClubSets()[0].masks[0], 0x5u);
    EXPECT_EQ(h.ClubSets()[0].masks[1], 0x8u);
    EXPECT_EQ(h.ClubSets()[1].versions, 0x8u);
    ASSERT_EQ(h.Messages().size(), 1u);
    EXPECT_EQ(h.Messages()[0].text, "loaded");
    EXPECT_EQ(h.Messages()[0].mask, 0x50000008u);
}

TEST_F(Events, NavigatorThreeBodyOffersFocusBlurLoadAndUnload) {
    Select({"Netscape Navigator 3.0"});
    EXPECT_EQ(EventNames(*El("BODY").EventHolder()),
              (std::vector<std::string>{"OnFocus", "OnBlur", "OnLoad", "OnUnload"}));
    EXPECT_EQ(EventNames(*El("IMG").EventHolder()),
              (std::vector<std::string>{"OnAbort", "OnError", "OnLoad"}));
    EXPECT_EQ(EventNames(*El("FORM").EventHolder()),
              (std::vector<std::string>{"OnSubmit", "OnReset"}));
}

TEST_F(Events, EventOfferedTwiceIsListedOnce) {
    // A's clicks and mouse-overs come from Navigator 2.0 and 3.0 and from Explorer 3.0.
    Select({"Netscape Navigator 2.0", "Netscape Navigator 3.0", "Internet Explorer 3.0"});
    EXPECT_EQ(EventNames(*El("A").EventHolder()),
              (std::vector<std::string>{"OnClick", "OnMouseOver", "OnMouseOut"}));
    Select({"HTML v4.0"});
    const auto names = EventNames(*El("INPUT").EventHolder());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.back(), "OnSelect");
}

TEST_F(Events, NoEventsWhenEveryClubSetIsOutsideTheSelection) {
    Select({"HTML v2.0", "HTML v3.2"});
    for (const char* e : {"DIV", "BODY", "FRAME", "OBJECT"})
        EXPECT_TRUE(El(e).EventHolder()->EnumerateEvents().empty()) << e;
    Select({"Netscape Navigator 2.0"}, VersionState::AllOf);
    EXPECT_EQ(EventNames(*El("A").EventHolder()),
              (std::vector<std::string>{"OnClick", "OnMouseOver"}));
}

TEST_F(Events, SlotsWithoutAnEventGiveNothing) {
    HtmlTagEventHolder h(kb, kb.NextSerial(), kb.EventClubs());
    h.AddEvents(0x8, 0x3FFF0000);
    h.AddEvents(0x8, 0x5FFFC000);
    h.AddEvents(0x8, 0x9F800000); // group 3 beyond its 23 events
    h.AddEvents(0x8, 0xAFFE0000); // group 4 beyond its 17 events
    h.AddEvents(0x8, 0xC0000001); // slot 5: beyond the five groups of the table
    kb.RebuildAllowed();
    EXPECT_TRUE(h.EnumerateEvents().empty());
}

TEST_F(Events, EveryElementsEventSets) {
    const auto contents = EventContents();
    std::size_t holders = 0;
    for (const auto& e : kb.Elements()) {
        const HtmlTagEventHolder* h = e->EventHolder();
        const auto want = contents.find(e->Name());
        // The elements that the living standard added are not in the older contents.
        if ((e->Versions() & ~(VersionBits::Html5 | VersionBits::Html40)) == 0 &&
            want == contents.end())
            continue;
        ASSERT_EQ(h != nullptr, want != contents.end()) << e->Name();
        if (h == nullptr)
            continue;
        ++holders;
        // Pairs of one version mask join in one club set, in order of first appearance.
        std::vector<HtmlTagEventClubSet> sets;
        for (const auto& [versions, mask] : want->second) {
            auto it = std::find_if(sets.begin(), sets.end(),
                                   [v = versions](const auto& s) { return s.versions == v; });
            if (it == sets.end())
                it = sets.insert(sets.end(), HtmlTagEventClubSet{versions, {}});
            it->masks[mask >> 28 == 5 ? 1 : 0] |= mask & 0x0FFFFFFF;
        }
        // The living standard's handlers come in a club set of their own, checked below.
        const bool html5 = (e->Versions() & VersionBits::Html5) != 0;
        ASSERT_EQ(h->ClubSets().size(), sets.size() + (html5 ? 1 : 0)) << e->Name();
        if (html5) {
            EXPECT_EQ(h->ClubSets().back().versions, VersionBits::Html5) << e->Name();
        }
        for (std::size_t i = 0; i < sets.size(); ++i) {
            EXPECT_EQ(h->ClubSets()[i].versions, sets[i].versions) << e->Name();
            EXPECT_EQ(h->ClubSets()[i].masks, sets[i].masks) << e->Name();
        }
        EXPECT_TRUE(h->Messages().empty());
    }
    EXPECT_EQ(holders, contents.size());
    EXPECT_EQ(holders, 77u);
}

TEST_F(Events, TheLivingStandardsGroupsFollowTheOldOnes) {
    const HtmlTagEventClubs& clubs = kb.EventClubs();
    const std::pair<std::size_t, std::size_t> sizes[] = {{2, 28}, {3, 23}, {4, 17}};
    std::set<std::string> names;
    for (std::size_t g = 0; g < HtmlTagEventClubs::GroupCount; ++g)
        for (std::size_t pos = 0; pos < HtmlTagEventClubs::SlotsPerGroup; ++pos)
            if (const HtmlTagEvent& e = clubs.Event(g, pos); !e.IsEmpty()) {
                EXPECT_TRUE(names.insert(ascii::ToLower(e.name)).second) << e.name;
                EXPECT_EQ(e.id, HtmlTagEventClubs::NibbleOfGroup(g) | 1u << pos) << e.name;
                EXPECT_TRUE(e.name.starts_with("On")) << e.name;
                EXPECT_NE(e.description.back(), '.') << e.name;
            }
    for (const auto& [g, count] : sizes) {
        EXPECT_FALSE(clubs.Event(g, count - 1).IsEmpty()) << g;
        EXPECT_TRUE(count == 28 || clubs.Event(g, count).IsEmpty()) << g;
        // The nibble of each group reads back as its slot.
        EXPECT_EQ(HtmlTagEventClubs::SlotOfMask(HtmlTagEventClubs::NibbleOfGroup(g) | 1), g);
    }
    EXPECT_EQ(names.size(), 16u + 14u + 28u + 23u + 17u);
    for (const char* n : {"oninput", "onauxclick", "ontoggle", "onplay", "onbeforeunload"})
        EXPECT_TRUE(names.contains(n)) << n;
}

TEST_F(Events, UnderHtml5EveryElementHasTheGlobalHandlersOnce) {
    Select({"HTML5"});
    auto names = [&](std::string_view e) { return EventNames(*El(e).EventHolder()); };
    auto has = [](const std::vector<std::string>& list, std::string_view n) {
        return std::find(list.begin(), list.end(), n) != list.end();
    };
    for (const char* e : {"P", "DIV", "SECTION", "VIDEO", "INPUT", "BODY", "A", "MARK"}) {
        const auto list = names(e);
        EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size()) << e;
        for (const char* n : {"OnClick", "OnKeyDown", "OnFocus", "OnInput", "OnDrop"})
            EXPECT_TRUE(has(list, n)) << e << " " << n;
        // Explorer's help and data binding events are not the standard's.
        EXPECT_FALSE(has(list, "OnHelp")) << e;
        EXPECT_FALSE(has(list, "OnBeforeUpdate")) << e;
    }
    EXPECT_TRUE(has(names("VIDEO"), "OnTimeUpdate"));
    EXPECT_FALSE(has(names("P"), "OnTimeUpdate"));
    EXPECT_TRUE(has(names("BODY"), "OnBeforeUnload"));
    EXPECT_TRUE(has(names("BODY"), "OnLoad"));
    EXPECT_FALSE(has(names("DIV"), "OnBeforeUnload"));
    EXPECT_TRUE(has(names("FORM"), "OnSubmit"));
    EXPECT_TRUE(has(names("IMG"), "OnError"));
    EXPECT_FALSE(has(names("P"), "OnSubmit"));
    // Obsolete elements offer nothing under the living standard alone.
    EXPECT_TRUE(El("MARQUEE").EventHolder()->EnumerateEvents().empty());
    EXPECT_TRUE(El("FONT").EventHolder()->EnumerateEvents().empty());
}
