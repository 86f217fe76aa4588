// The pages of the generated reference: group pages with a topic per element, the
// introduction, the attribute index, the shared attributes and events, the loading page.
#include "core/reference/ReferencePages.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/KindFlags.h"
#include "core/reference/ReferenceGroups.h"
#include "core/reference/ReferenceModel.h"
#include "core/reference/ReferenceText.h"

#include <algorithm>

namespace velto::refpages {

namespace {

using reftext::Escape;
using reftext::VersionBadges;

constexpr std::string_view ReferenceTitle = "Velto HTML Reference";
// Numbers whose word carries this bit may also be given as a percentage.
constexpr std::uint32_t PercentBit = 0x800;

std::string PageName(std::string_view stem) {
    return std::string(stem) + ".htm";
}

// A description as a sentence: the knowledge base writes them without a final stop.
std::string Sentence(std::string_view text) {
    std::string s = Escape(text);
    if (!s.empty() && s.back() != '.' && s.back() != '!' && s.back() != '?')
        s += '.';
    return s;
}

// The record's description, or its descriptive name when it has none.
std::string DescriptionOf(const HtmlMeta& record) {
    if (!record.Description().empty())
        return Sentence(record.Description());
    const std::string descriptive = record.GetName(NameMode::Descriptive);
    return ascii::EqualNoCase(descriptive, record.Name()) ? std::string() : Sentence(descriptive);
}

std::string Link(std::string_view href, std::string_view text) {
    return "<A HREF=\"" + Escape(href) + "\">" + Escape(text) + "</A>";
}

// A link to a topic, short when it stays on the page being written.
std::string TopicLink(const ElementTopic& topic, std::string_view fromPage) {
    const std::string href =
        topic.page == fromPage ? "#" + topic.anchor : topic.page + "#" + topic.anchor;
    return Link(href, topic.element->Name());
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty())
            out += separator;
        out += p;
    }
    return out;
}

std::string NavLine(std::string_view extra = {}) {
    std::string out = "<P CLASS=\"nav\">";
    out += extra;
    out += Link(PageName(ReferencePage::Introduction), "Introduction") + " | " +
           Link(PageName(ReferencePage::Attributes), "Attribute index") + " | " +
           Link(PageName(ReferencePage::Common), "Shared attributes and events") + "</P>\n";
    return out;
}

std::string TagForm(const HtmlMetaElement& e) {
    const std::string& name = e.Name();
    if (name.starts_with("!--"))
        return "<!-- ... -->";
    if (name.starts_with("!"))
        return "<" + name + " ...>";
    switch (e.KindFlags()) {
    case ElementClass::Empty:
        return "<" + name + ">";
    case ElementClass::EndTagOptional:
    case ElementClass::TablePart:
        return "<" + name + "> ... [</" + name + ">]";
    default:
        return "<" + name + "> ... </" + name + ">";
    }
}

std::string_view EndTagText(const HtmlMetaElement& e) {
    if (e.Name().starts_with("!"))
        return "none, this is a declaration";
    switch (e.KindFlags()) {
    case ElementClass::Empty:
        return "none, the element is empty";
    case ElementClass::EndTagOptional:
        return "optional";
    case ElementClass::TablePart:
        return "optional, as for the parts of a table";
    default:
        return "required";
    }
}

std::string_view KindPhrase(const HtmlMetaAttBase& a) {
    switch (a.Kind()) {
    case AttKind::ProgramUrl:
        return "URL of a program or form handler";
    case AttKind::DocumentUrl:
        return "URL of a document";
    case AttKind::ImageUrl:
        return "URL of an image";
    case AttKind::SoundUrl:
        return "URL of a sound";
    case AttKind::VideoUrl:
        return "URL of a video or VRML world";
    case AttKind::ScriptUrl:
        return "URL of a script or class archive";
    case AttKind::AppletBase:
        return "URL of an applet's code base";
    case AttKind::ObjectBase:
        return "URL of an object's code base";
    case AttKind::DataUrlKind:
        return "URL of data, a frame's document or an image map";
    case AttKind::FlagKind:
        return "flag, written without a value";
    case AttKind::ColourKind:
        return "colour, a name or #rrggbb";
    case AttKind::NumberKind:
        return (a.KindFlags() & PercentBit) != 0 ? "number or percentage" : "number";
    case AttKind::ScriptHandlerKind:
        return "script";
    case AttKind::StyleKind:
        return "style rules";
    case AttKind::DateKind:
        return "date and time";
    default:
        return a.IsUrlValued() ? "URL" : "text";
    }
}

std::string KindText(const HtmlMetaAttBase& a) {
    std::string out;
    if (a.HasEnumValues() && !a.Values().empty()) {
        const bool other = std::any_of(a.Values().begin(), a.Values().end(),
                                       [](const auto& v) { return v->IsManualEntryValue(); });
        const std::string_view listed =
            other ? "one of the values listed, or another" : "one of the values listed";
        out = a.Kind() == AttKind::TextKind ? std::string(listed)
                                            : Escape(KindPhrase(a)) + "<BR>" + std::string(listed);
    } else {
        out = Escape(KindPhrase(a));
    }
    if (a.IsRequired())
        out += "<BR><B>required</B>";
    if (a.IsValueOptional())
        out += "<BR>the value may be left out";
    if (a.IsListValue())
        out += "<BR>a list, or a language code";
    return out;
}

// The enumerated values of an attribute as a definition list; versions are shown where
// they differ from the attribute's own.
std::string ValueList(const HtmlMetaAttBase& a) {
    if (a.Values().empty())
        return {};
    std::string out = "<DL>\n";
    for (const auto& v : a.Values()) {
        out += "<DT>";
        if (v->Name().empty()) {
            const std::string label = v->GetName(NameMode::HtmlTerm);
            out += "<I>" + Escape(label.empty() ? "another value" : label) + "</I>";
        } else {
            out += "<CODE>" + Escape(v->Name()) + "</CODE>";
        }
        if (v->Versions() != a.Versions())
            out += " " + VersionBadges(v->Versions());
        out += "</DT>\n<DD>" + DescriptionOf(*v);
        if (v->IsAlsoAttributeName())
            out += " Also the name of an attribute.";
        out += "</DD>\n";
    }
    return out + "</DL>\n";
}

std::string AttributeTable(const ReferenceModel& model, const HtmlMetaElement& e) {
    std::string rows;
    for (const auto& a : e.OwnAttributes()) {
        if (a->IsEventHolder())
            continue;
        rows += "<TR><TD VALIGN=\"top\"><A NAME=\"" + Escape(model.AttributeAnchor(*a)) + "\"><B>" +
                Escape(a->Name()) + "</B></A></TD>\n<TD VALIGN=\"top\">" + KindText(*a) +
                "</TD>\n<TD VALIGN=\"top\">" + VersionBadges(a->Versions()) +
                "</TD>\n<TD VALIGN=\"top\">" + DescriptionOf(*a) + "\n" + ValueList(*a) +
                "</TD></TR>\n";
    }
    if (rows.empty())
        return "<P><B>Attributes:</B> none of its own.</P>\n";
    return "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\" WIDTH=\"100%\">\n"
           "<TR><TH>Attribute</TH><TH>Value</TH><TH>Versions</TH><TH>Description</TH></TR>\n" +
           rows + "</TABLE>\n";
}

std::string SharedLine(const ReferenceModel& model, const HtmlMetaElement& e) {
    std::vector<std::string> links;
    e.ForEachAttribute(AttributeIteration::SharedOnly, [&](const HtmlMetaAttBase& a) {
        links.push_back(Link(PageName(ReferencePage::Common) + "#" +
                                 model.SharedAnchor(static_cast<const HtmlMetaAttShared&>(a)),
                             a.Name()));
        return true;
    });
    return "<P><B>Shared attributes:</B> " + (links.empty() ? "none" : Joined(links, ", ")) +
           ".</P>\n";
}

// The element's events under a line of badges per distinct set of versions, so that the
// usual dozen events of HTML 4.0 do not repeat the same badges on every row.
std::string EventTable(const ReferenceModel& model, const HtmlMetaElement& e) {
    const auto events = ReferenceModel::EventsOf(e);
    if (events.empty())
        return "<P><B>Events:</B> none.</P>\n";
    std::vector<std::uint32_t> versionSets;
    for (const OfferedEvent& offered : events)
        if (std::find(versionSets.begin(), versionSets.end(), offered.versions) ==
            versionSets.end())
            versionSets.push_back(offered.versions);

    std::string out = "<P><B>Events:</B></P>\n"
                      "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\" WIDTH=\"100%\">\n"
                      "<TR><TH>Event</TH><TH>Description</TH></TR>\n";
    for (std::uint32_t versions : versionSets) {
        out += "<TR><TD COLSPAN=\"2\">" + VersionBadges(versions) + "</TD></TR>\n";
        for (const OfferedEvent& offered : events) {
            if (offered.versions != versions)
                continue;
            std::string name = Escape(offered.event->name);
            for (const EventTopic& topic : model.Events())
                if (topic.event == offered.event)
                    name = Link(PageName(ReferencePage::Common) + "#" + topic.anchor,
                                offered.event->name);
            out += "<TR><TD VALIGN=\"top\">" + name + "</TD><TD VALIGN=\"top\">" +
                   Sentence(offered.event->description) + "</TD></TR>\n";
        }
    }
    return out + "</TABLE>\n";
}

std::string ElementSection(const ReferenceModel& model, const ElementTopic& topic) {
    const HtmlMetaElement& e = *topic.element;
    std::string out = "<H2><A NAME=\"" + Escape(topic.anchor) + "\">" + Escape(e.Name()) +
                      "</A></H2>\n<P>" + VersionBadges(e.Versions()) + "</P>\n";
    const std::string description = DescriptionOf(e);
    if (!description.empty())
        out += "<P>" + description + "</P>\n";

    out += "<P><B>Tag:</B> <CODE>" + Escape(TagForm(e)) + "</CODE><BR>\n<B>End tag:</B> " +
           Escape(EndTagText(e));
    std::vector<std::string> names;
    for (NameMode mode : {NameMode::HtmlTerm, NameMode::Descriptive}) {
        const std::string n = e.GetName(mode);
        const bool repeated = std::any_of(names.begin(), names.end(), [&](const std::string& m) {
            return ascii::EqualNoCase(m, n);
        });
        if (!n.empty() && !ascii::EqualNoCase(n, e.Name()) && !repeated)
            names.push_back(n);
    }
    if (!names.empty()) {
        for (std::string& n : names)
            n = Escape(n);
        out += "<BR>\n<B>Also called:</B> " + Joined(names, ", ");
    }
    if (!e.Context().empty()) {
        std::vector<std::string> inside;
        std::string_view rest = e.Context();
        while (!rest.empty()) {
            const std::size_t end = rest.find(' ');
            const std::string_view word = rest.substr(0, end);
            if (!word.empty()) {
                const ElementTopic* outer = model.TopicNamed(word);
                inside.push_back(outer ? TopicLink(*outer, topic.page) : Escape(word));
            }
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
        out += "<BR>\n<B>Stands inside:</B> " + Joined(inside, " or ");
    }
    out += "</P>\n";

    out += AttributeTable(model, e) + SharedLine(model, e) + EventTable(model, e);
    if (const AttributeRow* row = model.RowNamed(e.Name()))
        out += "<P><B>See also:</B> the " +
               Link(PageName(ReferencePage::Attributes) + "#" + row->anchor,
                    row->name + " attribute") +
               ".</P>\n";
    out += NavLine(Link("#top", "Top of page") + " | ");
    return out;
}

} // namespace

std::string GroupPage(const ReferenceModel& model, std::size_t group) {
    const ReferenceGroup& g = ReferenceGroups()[group];
    const auto topics = model.TopicsOfGroup(group);
    std::string out =
        reftext::PageStart(std::string(g.title) + " - " + std::string(ReferenceTitle));
    out += "<H1><A NAME=\"top\">" + Escape(g.title) + "</A></H1>\n<P>" + Sentence(g.summary) +
           "</P>\n" + NavLine();
    std::vector<std::string> contents;
    for (const ElementTopic* t : topics)
        contents.push_back(TopicLink(*t, t->page));
    out += "<P><B>Elements on this page:</B> " +
           (contents.empty() ? std::string("none") : Joined(contents, " | ")) + "</P>\n";
    for (const ElementTopic* t : topics)
        out += "<HR>\n" + ElementSection(model, *t);
    return out + reftext::PageEnd();
}

std::string IntroductionPage(const ReferenceModel& model) {
    std::string out = reftext::PageStart(ReferenceTitle);
    out += "<H1><A NAME=\"top\">" + Escape(ReferenceTitle) +
           "</A></H1>\n"
           "<P>This reference describes every element that Velto knows, with its attributes, "
           "their values, the shared attributes and the scripting events it offers, and the "
           "HTML versions and browsers that support each of them. In the editor, put the "
           "cursor inside a tag and press F5 to open the topic of its element.</P>\n";

    out += "<H2>Elements by subject</H2>\n"
           "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\" WIDTH=\"100%\">\n"
           "<TR><TH>Page</TH><TH>Elements</TH><TH>What it holds</TH></TR>\n";
    const auto groups = ReferenceGroups();
    for (std::size_t i = 0; i < groups.size(); ++i)
        out += "<TR><TD>" + Link(PageName(groups[i].stem), groups[i].title) + "</TD><TD>" +
               std::to_string(model.TopicsOfGroup(i).size()) + "</TD><TD>" +
               Sentence(groups[i].summary) + "</TD></TR>\n";
    out += "</TABLE>\n<P>" + Link(PageName(ReferencePage::Attributes), "Attribute index") +
           ": every attribute name and the elements that have it.<BR>\n" +
           Link(PageName(ReferencePage::Common), "Shared attributes and events") +
           ": the attributes most elements share, and the scripting events.</P>\n";

    struct Legend {
        std::uint32_t mask;
        std::string_view text;
    };
    static constexpr Legend legend[] = {
        {VersionBits::Html20, "The HTML 2.0 standard"},
        {VersionBits::Html30Draft, "The HTML 3.0 drafts, which never became a standard"},
        {VersionBits::Html32 | VersionBits::Html40, "The HTML 3.2 and 4.0 recommendations"},
        {VersionBits::Navigator20 | VersionBits::Navigator30, "Netscape's browser"},
        {VersionBits::Explorer20 | VersionBits::Explorer30 | VersionBits::Explorer40,
         "Microsoft's browser"},
        {VersionBits::Obsolete, "Replaced by other elements; better left out of new pages"},
        {VersionBits::Every, "Part of every version, like comments and the document type"},
    };
    out += "<H2>Versions</H2>\n<P>Each topic is marked with the versions of HTML and the "
           "browsers that support it:</P>\n<DL>\n";
    for (const Legend& l : legend)
        out += "<DT>" + VersionBadges(l.mask) + "</DT><DD>" + Sentence(l.text) + "</DD>\n";
    out += "</DL>\n";

    std::vector<const ElementTopic*> sorted;
    for (const ElementTopic& t : model.Topics())
        sorted.push_back(&t);
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) {
        return ascii::ToUpper(a->element->Name()) < ascii::ToUpper(b->element->Name());
    });
    constexpr std::size_t columns = 6;
    out += "<H2>All elements</H2>\n<TABLE CELLSPACING=\"0\" CELLPADDING=\"3\" WIDTH=\"100%\">\n";
    for (std::size_t i = 0; i < sorted.size(); i += columns) {
        out += "<TR>";
        for (std::size_t j = i; j < i + columns; ++j)
            out +=
                "<TD>" + (j < sorted.size() ? TopicLink(*sorted[j], "") : std::string()) + "</TD>";
        out += "</TR>\n";
    }
    return out + "</TABLE>\n" + reftext::PageEnd();
}

std::string AttributesPage(const ReferenceModel& model) {
    std::string out = reftext::PageStart("Attribute Index - " + std::string(ReferenceTitle));
    out += "<H1><A NAME=\"top\">Attribute Index</A></H1>\n"
           "<P>Every attribute name, with the elements whose topics describe it.</P>\n" +
           NavLine() +
           "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\" WIDTH=\"100%\">\n"
           "<TR><TH>Attribute</TH><TH>Described for</TH></TR>\n";
    for (const auto& [key, row] : model.AttributeRows()) {
        std::vector<std::string> links;
        for (const AttributeUse& use : row.uses)
            links.push_back(Link(use.href, use.topic ? use.topic->element->Name()
                                                     : std::string("shared attribute")));
        out += "<TR><TD VALIGN=\"top\"><A NAME=\"" + Escape(row.anchor) + "\"><B>" +
               Escape(row.name) + "</B></A></TD><TD>" + Joined(links, ", ") + "</TD></TR>\n";
    }
    return out + "</TABLE>\n" + NavLine(Link("#top", "Top of page") + " | ") + reftext::PageEnd();
}

std::string CommonPage(const ReferenceModel& model) {
    const HtmlKnowledgeBase& kb = model.Kb();
    std::string out =
        reftext::PageStart("Shared Attributes and Events - " + std::string(ReferenceTitle));
    out += "<H1><A NAME=\"top\">Shared Attributes and Events</A></H1>\n"
           "<P>Attributes defined once and offered on most elements, and the scripting "
           "events that elements offer. Each element's topic lists the ones it has.</P>\n" +
           NavLine() + "<P>" + Link("#events", "Scripting events") + "</P>\n";
    for (const HtmlMetaAttShared* s : kb.SharedAttributes()) {
        const std::string_view group = s->Group() == SharedGroup::Core       ? "core"
                                       : s->Group() == SharedGroup::Language ? "language"
                                                                             : "other";
        out += "<HR>\n<H2><A NAME=\"" + Escape(model.SharedAnchor(*s)) + "\">" + Escape(s->Name()) +
               "</A></H2>\n<P>" + VersionBadges(s->Versions()) + "</P>\n<P>" + DescriptionOf(*s) +
               "</P>\n<P><B>Value:</B> " + KindText(*s) + "<BR>\n<B>Group:</B> " +
               std::string(group) + " attributes</P>\n" + ValueList(*s);
        std::vector<std::string> without;
        for (const ElementTopic& t : model.Topics())
            if (!s->IsOfferedOn(t.element->GetSharedSelect()))
                without.push_back(TopicLink(t, ""));
        out += "<P><B>Not offered on:</B> " +
               (without.empty() ? std::string("none") : Joined(without, ", ")) + ".</P>\n";
    }
    out += "<HR>\n<H2><A NAME=\"events\">Scripting events</A></H2>\n"
           "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\" WIDTH=\"100%\">\n"
           "<TR><TH>Event</TH><TH>Description</TH><TH>Offered on</TH></TR>\n";
    for (const EventTopic& ev : model.Events()) {
        std::vector<std::string> links;
        for (const EventUse& use : ev.uses)
            links.push_back(TopicLink(*use.topic, ""));
        out += "<TR><TD VALIGN=\"top\"><A NAME=\"" + Escape(ev.anchor) + "\"><B>" +
               Escape(ev.event->name) + "</B></A></TD><TD VALIGN=\"top\">" +
               Sentence(ev.event->description) + "</TD><TD>" + Joined(links, ", ") + "</TD></TR>\n";
    }
    return out + "</TABLE>\n" + NavLine(Link("#top", "Top of page") + " | ") + reftext::PageEnd();
}

std::string LoadingPage() {
    return reftext::PageStart("Loading...") +
           "<P>&nbsp;</P>\n<H1 CLASS=\"center\">Loading...</H1>\n"
           "<P CLASS=\"center\">The reference page will show in a moment.</P>\n" +
           reftext::PageEnd();
}

} // namespace velto::refpages
