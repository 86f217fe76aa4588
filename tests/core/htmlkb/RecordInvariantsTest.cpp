// Rules that every record of the contents keeps: texts, names, masks and kind words.
#include "KbTestSupport.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KindFlags.h"

#include <functional>
#include <set>

using namespace velto;
using namespace velto::test;

namespace {

struct Where {
    const HtmlMetaElement* element = nullptr; // none for shared attributes and their values
    const HtmlMetaAttBase* attribute = nullptr;
};

// Visits every record in creation order.
void ForEachRecord(const HtmlKnowledgeBase& kb,
                   const std::function<void(const HtmlMeta&, const Where&)>& visit) {
    auto attribute = [&](const HtmlMetaElement* e, const HtmlMetaAttBase& a) {
        visit(a, {e, nullptr});
        for (const auto& v : a.Values())
            visit(*v, {e, &a});
    };
    for (const auto& e : kb.Elements()) {
        visit(*e, {});
        for (const auto& a : e->OwnAttributes())
            attribute(e.get(), *a);
    }
    for (const HtmlMetaAttShared* s : kb.SharedAttributes())
        attribute(nullptr, *s);
}

std::string Describe(const HtmlMeta& r, const Where& w) {
    std::string s = w.element != nullptr ? w.element->Name() + " " : std::string();
    if (w.attribute != nullptr)
        s += w.attribute->Name() + " ";
    return s + (r.Name().empty() ? r.Label() : r.Name());
}

std::size_t Accelerators(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '&' && (i + 1 == text.size() || text[++i] != '&'))
            ++n;
    return n;
}

bool Within(std::uint32_t inner, std::uint32_t outer) {
    return (inner & ~outer) == 0;
}

} // namespace

using RecordInvariants = KbTest;

TEST_F(RecordInvariants, SerialsCountUpInCreationOrderWithSharedLast) {
    std::uint32_t next = 0;
    ForEachRecord(kb, [&](const HtmlMeta& r, const Where& w) {
        EXPECT_EQ(r.Serial(), next++) << Describe(r, w);
    });
    EXPECT_EQ(next, kb.NextSerial());
}

TEST_F(RecordInvariants, TextsHaveOneAcceleratorAndPlainDescriptions) {
    // The two labels of IMG's table that carry no accelerator.
    const std::set<std::string> bare = {"IMG WIDTH", "IMG ALIGN ABSBOTTOM"};
    ForEachRecord(kb, [&](const HtmlMeta& r, const Where& w) {
        const std::string who = Describe(r, w);
        EXPECT_FALSE(r.Label().empty() && r.NameText().empty()) << who;
        if (!r.Label().empty() && !bare.contains(who)) {
            EXPECT_EQ(Accelerators(r.Label()), 1u) << who << ": " << r.Label();
        }
        if (!r.MenuText().empty()) {
            EXPECT_EQ(Accelerators(r.MenuText()), 1u) << who << ": " << r.MenuText();
        }
        EXPECT_LE(Accelerators(r.NameText()), 1u) << who;
        const bool givenEmpty =
            dynamic_cast<const HtmlMetaElement*>(&r) != nullptr && (who == "BASE" || who == "IMG");
        if (!givenEmpty) {
            EXPECT_FALSE(r.Description().empty()) << who;
        }
        if (!r.Description().empty()) {
            EXPECT_NE(r.Description().back(), '.') << who;
            EXPECT_EQ(r.Description().find('\n'), std::string::npos) << who;
        }
    });
}

TEST_F(RecordInvariants, NamesAreUniqueWithinAnElementAndUpperCase) {
    for (const auto& e : kb.Elements()) {
        std::set<std::string> names;
        for (const HtmlMetaAttBase* a : e->GetAttributes(AttributeIteration::All))
            EXPECT_TRUE(names.insert(ascii::ToUpper(a->Name())).second)
                << e->Name() << " " << a->Name();
        EXPECT_EQ(e->Name(), ascii::ToUpper(e->Name()));
        for (const auto& a : e->OwnAttributes()) {
            if (!a->IsEventHolder() && a->Name() != "Dir" && a->Name() != "Object") {
                EXPECT_EQ(a->Name(), ascii::ToUpper(a->Name())) << e->Name();
            }
        }
    }
}

TEST_F(RecordInvariants, AttributesLieWithinTheirElementAndValuesWithinTheirAttribute) {
    ForEachRecord(kb, [&](const HtmlMeta& r, const Where& w) {
        if (w.attribute != nullptr) {
            EXPECT_TRUE(Within(r.Versions(), w.attribute->Versions())) << Describe(r, w);
        } else if (w.element != nullptr && !r.IsEventHolder()) {
            EXPECT_TRUE(Within(r.Versions(), w.element->Versions())) << Describe(r, w);
        }
        EXPECT_NE(r.Versions(), 0u) << Describe(r, w);
    });
}

TEST_F(RecordInvariants, KindWordsOfAttributes) {
    using namespace AttKind;
    const std::set<std::uint32_t> words = {
        ProgramUrl, DocumentUrl,     ImageUrl,       SoundUrl, VideoUrl, ScriptUrl,
        AppletBase, ObjectBase,      DataUrl,        Flag,     Text,     Colour,
        Number,     NumberOrPercent, OptionalNumber, Style,    Date};
    const std::set<std::string> listNames = {"CLASS", "LANG",    "REL",     "REV", "URN",
                                             "AXES",  "METHODS", "PROFILE", "DIR"};
    const std::set<std::string> markedNames = {"CHECKED", "DECLARE", "MULTIPLE", "SELECTED"};
    ForEachRecord(kb, [&](const HtmlMeta& r, const Where& w) {
        if (w.attribute != nullptr || r.IsEventHolder() || w.element == nullptr)
            return;
        const auto& a = static_cast<const HtmlMetaAttBase&>(r);
        const std::string who = Describe(r, w);
        const std::uint32_t word = a.KindFlags() & ~(List | Required | Enumerated | Marker);
        EXPECT_TRUE(words.contains(word)) << who;
        EXPECT_EQ(a.HasEnumValues(), !a.Values().empty()) << who;
        EXPECT_EQ(a.IsListValue(), listNames.contains(a.Name())) << who;
        EXPECT_EQ((a.KindFlags() & Marker) != 0, markedNames.contains(a.Name())) << who;
        if (markedNames.contains(a.Name())) {
            EXPECT_TRUE(a.IsFlagAttribute()) << who;
        }
        const bool percent = (w.element->Name() == "MARQUEE" || w.element->Name() == "EMBED") &&
                             (a.Name() == "WIDTH" || a.Name() == "HEIGHT");
        EXPECT_EQ(word == NumberOrPercent, percent) << who;
        if (a.Name() == "COLSPAN" || a.Name() == "ROWSPAN" || a.Name() == "SPAN") {
            EXPECT_EQ(word, OptionalNumber) << who;
        }
        if (a.IsValueOptional()) {
            EXPECT_TRUE(a.Name() == "BORDER" || a.Name() == "COLSPAN" || a.Name() == "ROWSPAN" ||
                        a.Name() == "SPAN")
                << who;
        }
        if (a.Name() == "WIDTH" || a.Name() == "HEIGHT" || a.Name() == "BORDER" ||
            a.Name() == "TABINDEX" || a.Name().ends_with("SPACE")) {
            EXPECT_EQ(a.Kind(), NumberKind) << who;
        }
        if (a.Name() == "USEMAP") {
            EXPECT_EQ(word, DataUrl) << who;
        }
        if (a.Name().find("COLOR") != std::string::npos) {
            EXPECT_EQ(word, Colour) << who;
        }
        if (a.Name() == "CITE") {
            EXPECT_EQ(word, DocumentUrl) << who;
        }
        if (a.Name() == "ISMAP" || a.Name() == "NOWRAP" || a.Name() == "COMPACT" ||
            a.Name() == "DISABLED" || a.Name() == "READONLY") {
            EXPECT_TRUE(a.IsFlagAttribute()) << who;
        }
    });
}

TEST_F(RecordInvariants, UrlKindsOfTheNamedAttributes) {
    using namespace AttKind;
    const struct {
        std::string_view element, attribute;
        std::uint32_t kind;
    } kinds[] = {
        {"ISINDEX", "ACTION", ProgramUrl},  {"FORM", "ACTION", ProgramUrl},
        {"EMBED", "SRC", ProgramUrl},       {"A", "HREF", DocumentUrl},
        {"BASE", "HREF", DocumentUrl},      {"HEAD", "PROFILE", DocumentUrl},
        {"IMG", "SRC", ImageUrl},           {"IMG", "LOWSRC", ImageUrl},
        {"BODY", "BACKGROUND", ImageUrl},   {"INPUT", "SRC", ImageUrl},
        {"BGSOUND", "SRC", SoundUrl},       {"IMG", "DYNSRC", VideoUrl},
        {"SCRIPT", "SRC", ScriptUrl},       {"APPLET", "ARCHIVE", ScriptUrl},
        {"APPLET", "CODEBASE", AppletBase}, {"OBJECT", "CODEBASE", ObjectBase},
        {"OBJECT", "DATA", DataUrlKind},    {"FRAME", "SRC", DataUrlKind},
        {"IFRAME", "SRC", DataUrlKind},     {"INS", "DATETIME", DateKind},
    };
    for (const auto& k : kinds) {
        const HtmlMetaAttBase& a = Att(k.element, k.attribute);
        EXPECT_EQ(a.Kind(), k.kind) << k.element << " " << k.attribute;
        EXPECT_EQ(a.IsUrlValued(), k.kind <= DataUrlKind) << k.element << " " << k.attribute;
    }
    EXPECT_EQ(Shared("STYLE").Kind(), StyleKind);
}

TEST_F(RecordInvariants, ValueFlags) {
    ForEachRecord(kb, [&](const HtmlMeta& r, const Where& w) {
        if (w.attribute == nullptr)
            return;
        const std::string who = Describe(r, w);
        const auto& values = w.attribute->Values();
        if (r.IsManualEntryValue()) {
            EXPECT_TRUE(r.Name().empty()) << who;
            EXPECT_EQ(&r, values.back().get()) << who << ": the typed-in entry comes last";
            const std::uint32_t f = r.KindFlags();
            EXPECT_TRUE(f == ValueFlags::Other || f == ValueFlags::OtherNumber ||
                        f == ValueFlags::OtherRelative)
                << who;
        } else {
            EXPECT_FALSE(r.Name().empty()) << who;
            const bool alsoAttribute = who == "TABLE FRAME BORDER" || who == "TABLE RULES GROUPS";
            EXPECT_EQ(r.KindFlags(), alsoAttribute ? ValueFlags::AttributeName : ValueFlags::Plain)
                << who;
            EXPECT_EQ(r.IsAlsoAttributeName(), alsoAttribute) << who;
        }
    });
}
