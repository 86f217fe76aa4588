// The elements, their attributes and values against the documented element list, and the
// appearance class of every element.
#include "ElementListText.h"
#include "KbTestSupport.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/HtmlMetaAttShared.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KindFlags.h"

#include <map>
#include <sstream>
#include <vector>

using namespace velto;
using namespace velto::test;

namespace {

// The records that the living standard added: its elements (each with event handlers),
// their attributes and those new on older elements, their values and those new on older
// attributes, and its global attributes.
constexpr std::size_t NewElements = 37;
constexpr std::size_t NewAttributes = 160;
constexpr std::size_t NewValues = 371;
constexpr std::size_t NewShared = 21;

struct ListedAtt {
    std::string name;
    bool required = false;
    std::vector<std::string> values; // "other" for the typed-in entry
};

struct ListedElement {
    std::string name;
    std::uint32_t versions = 0;
    std::uint32_t elementClass = 0;
    std::string context;
    std::uint32_t sharedSelect = 0;
    bool events = false;
    std::vector<ListedAtt> atts;
};

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + separator.size();
    }
}

std::uint32_t ClassOf(const std::string& word) {
    if (word == "container")
        return ElementClass::Container;
    if (word == "empty")
        return ElementClass::Empty;
    if (word == "end tag optional")
        return ElementClass::EndTagOptional;
    if (word == "table part")
        return ElementClass::TablePart;
    throw std::invalid_argument("element class " + word);
}

ListedElement ParseElement(const std::string& line) {
    ListedElement e;
    const std::size_t open = line.find(" (");
    const std::size_t close = line.find(')', open);
    e.name = line.substr(0, open);
    for (const std::string& part : Split(line.substr(open + 2, close - open - 2), "; ")) {
        if (part.starts_with("versions "))
            e.versions = std::stoul(part.substr(9), nullptr, 16);
        else if (part.starts_with("inside "))
            e.context = part.substr(7);
        else if (part.starts_with("shared select "))
            e.sharedSelect = std::stoul(part.substr(14), nullptr, 16);
        else if (part == "event handlers")
            e.events = true;
        else
            e.elementClass = ClassOf(part);
    }
    if (line.compare(close, 3, "): ") != 0)
        return e;
    const std::string atts = line.substr(close + 3, line.size() - close - 4); // no final "."
    for (const std::string& text : Split(atts, "; ")) {
        ListedAtt a;
        const std::size_t eq = text.find(" = ");
        a.name = text.substr(0, eq);
        if (a.name.ends_with(" (required)")) {
            a.required = true;
            a.name.resize(a.name.size() - 11);
        }
        if (eq != std::string::npos)
            a.values = Split(std::string_view(text).substr(eq + 3), " / ");
        e.atts.push_back(std::move(a));
    }
    return e;
}

std::vector<ListedElement> ListedElements() {
    std::vector<std::string> lines;
    std::istringstream in{std::string(ElementListText)};
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("  "))
            lines.back() += " " + line.substr(2);
        else if (!line.empty())
            lines.push_back(line);
    }
    std::vector<ListedElement> list;
    for (const std::string& l : lines)
        list.push_back(ParseElement(l));
    return list;
}

} // namespace

using ElementList = KbTest;

TEST_F(ElementList, CountsOfEveryKindOfRecord) {
    std::size_t atts = 0, values = 0, holders = 0;
    for (const auto& e : kb.Elements())
        for (const auto& a : e->OwnAttributes()) {
            (a->IsEventHolder() ? holders : atts) += 1;
            values += a->Values().size();
        }
    for (const HtmlMetaAttShared* s : kb.SharedAttributes())
        values += s->Values().size();
    // The older versions' records, then those that the living standard added.
    EXPECT_EQ(kb.Elements().size(), 111u + NewElements);
    EXPECT_EQ(atts, 379u + NewAttributes);
    EXPECT_EQ(values, 489u + NewValues);
    EXPECT_EQ(kb.SharedAttributes().size(), 6u + NewShared);
    EXPECT_EQ(holders, 77u + NewElements);
}

TEST_F(ElementList, TheLivingStandardsRecordsCarryOnlyItsBit) {
    std::size_t elements = 0, atts = 0, values = 0;
    auto isNew = [](const HtmlMeta& r) { return r.Versions() == VersionBits::Html5; };
    for (const auto& e : kb.Elements()) {
        // ABBR and OPTGROUP were in HTML 4.0 as well.
        if (isNew(*e) || e->Versions() == (VersionBits::Html5 | VersionBits::Html40))
            ++elements;
        for (const auto& a : e->OwnAttributes()) {
            atts += !a->IsEventHolder() && isNew(*a) ? 1 : 0;
            for (const auto& v : a->Values())
                values += isNew(*v) ? 1 : 0;
        }
    }
    for (const HtmlMetaAttShared* s : kb.SharedAttributes()) {
        for (const auto& v : s->Values())
            values += isNew(*v) ? 1 : 0;
    }
    EXPECT_EQ(elements, NewElements);
    // OPTGROUP's two attributes are HTML 4.0's too.
    EXPECT_EQ(atts + 2, NewAttributes);
    EXPECT_EQ(values, NewValues);
}

// The records of an older version: those that the living standard did not add. The list
// gives them without its bit and without the refusals of its globals.
template <class Records>
auto OlderOnes(const Records& records) {
    std::vector<const typename Records::value_type::element_type*> older;
    for (const auto& r : records)
        if (r->Versions() != VersionBits::Html5)
            older.push_back(r.get());
    return older;
}

TEST_F(ElementList, EveryElementAttributeAndValueAsListedInOrder) {
    const std::vector<ListedElement> listed = ListedElements();
    // The living standard's elements follow those of the older versions.
    ASSERT_EQ(listed.size() + NewElements, kb.Elements().size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const ListedElement& want = listed[i];
        const HtmlMetaElement& e = *kb.Elements()[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(e.Name(), want.name);
        EXPECT_EQ(e.Versions() & ~VersionBits::Html5, want.versions & ~VersionBits::Html5);
        EXPECT_EQ(e.KindFlags(), want.elementClass);
        EXPECT_EQ(e.Context(), want.context);
        // BDO takes the core group only: its own LANG and Dir replace the language group.
        EXPECT_EQ(e.GetSharedSelect() & ~SharedGroup::RefuseMask,
                  want.name == "BDO" ? 0x102u : want.sharedSelect);
        EXPECT_EQ(e.EventHolder() != nullptr, want.events);

        const auto own = OlderOnes(e.OwnAttributes());
        ASSERT_EQ(own.size(), want.atts.size() + (want.events ? 1 : 0));
        for (std::size_t k = 0; k < want.atts.size(); ++k) {
            const HtmlMetaAttBase& a = *own[k];
            SCOPED_TRACE(want.atts[k].name);
            EXPECT_EQ(a.Name(), want.atts[k].name);
            EXPECT_EQ(a.IsRequired(), want.atts[k].required);
            EXPECT_FALSE(a.IsEventHolder());
            const auto values = OlderOnes(a.Values());
            ASSERT_EQ(values.size(), want.atts[k].values.size());
            for (std::size_t v = 0; v < want.atts[k].values.size(); ++v) {
                const bool other = want.atts[k].values[v] == "other";
                EXPECT_EQ(values[v]->IsManualEntryValue(), other);
                EXPECT_EQ(values[v]->Name(), other ? "" : want.atts[k].values[v]);
            }
        }
    }
}

TEST_F(ElementList, AppearanceClassOfEveryElement) {
    const std::map<std::string, std::string> byClass = {
        {"Head", "!DOCTYPE HTML HEAD TITLE BASE META ISINDEX LINK NEXTID RANGE STYLE BODY"},
        {"Body", "DIV"},
        {"Structure/Layout", "H1 H2 H3 H4 H5 H6 P BR BDO TAB MULTICOL SPACER HR CENTER NOBR WBR "
                             "FRAMESET FRAME IFRAME NOFRAMES ARTICLE ASIDE FOOTER HEADER HGROUP "
                             "MAIN NAV SECTION SEARCH FIGURE FIGCAPTION DETAILS SUMMARY DIALOG"},
        {"Anchor Tag", "A"},
        {"Meaning", "EM STRONG DFN CODE SAMP KBD VAR CITE ACRONYM PRE LISTING PLAINTEXT XMP NOTE "
                    "FN BLOCKQUOTE Q BQ ADDRESS INS DEL ABBR MARK TIME DATA BDI"},
        {"Style", "TT I B U STRIKE S BIG SMALL SUB SUP BASEFONT SPAN FONT RUBY RT RP"},
        {"Embed/Programmatic", "IMG FIG OVERLAY MAP AREA BGSOUND MARQUEE BUTTON LABEL EMBED "
                               "SCRIPT NOSCRIPT APPLET OBJECT PARAM TEMPLATE SLOT AUDIO VIDEO "
                               "SOURCE TRACK PICTURE CANVAS SVG MATH"},
        {"List", "LH UL OL LI DL DT DD DIR MENU"},
        {"Table", "TABLE CAPTION TR TH TD THEAD TBODY TFOOT COLGROUP COL"},
        {"Form", "FORM FIELDSET LEGEND INPUT TEXTAREA SELECT OPTION DATALIST OUTPUT METER "
                 "PROGRESS OPTGROUP"},
        {"Comment", "!-- COMMENT"},
    };
    std::size_t seen = 0;
    for (const auto& [className, names] : byClass)
        for (const std::string& name : Split(names, " ")) {
            EXPECT_EQ(InfoOf(El(name).Appearance()).name, className) << name;
            ++seen;
        }
    EXPECT_EQ(seen, kb.Elements().size()) << "every element in exactly one class";
}
