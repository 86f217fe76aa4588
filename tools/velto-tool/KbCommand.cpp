// velto-tool kb [--events VERSIONS]: the knowledge base as tab-separated lines, or the
// scripting events each element offers under a version selection.
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"

#include <cstdio>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"kb", "[--events VERSIONS]",
     "print the HTML knowledge base as tab-separated lines; with --events, the events each "
     "element offers when only the versions named (comma separated) are selected",
     Run}};

std::string Hex(std::uint32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(n));
    return text;
}

// A text as one field: tabs, line feeds and backslashes written as \t, \n and \\.
std::string Field(std::string_view text) {
    std::string f;
    f.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t':
            f += "\\t";
            break;
        case '\n':
            f += "\\n";
            break;
        case '\\':
            f += "\\\\";
            break;
        default:
            f += c;
        }
    }
    return f;
}

struct Owners {
    std::string_view element, attribute, value;
};

// One line: kind, owners, texts, masks, then the fields only some kinds fill.
void Line(std::ostream& out, std::string_view kind, const Owners& o, const HtmlMeta& r,
          std::string_view sharedSelect, std::string_view appearance,
          std::string_view description) {
    out << kind << '\t' << Field(o.element) << '\t' << Field(o.attribute) << '\t' << Field(o.value)
        << '\t' << Field(r.NameText()) << '\t' << Field(r.Label()) << '\t' << Field(r.MenuText())
        << '\t' << Hex(r.Versions()) << '\t' << Hex(r.KindFlags()) << '\t' << sharedSelect << '\t'
        << Field(r.Context()) << '\t' << Field(appearance) << '\t' << Field(description) << '\n';
}

std::string EventPairs(const HtmlTagEventHolder& holder) {
    std::string pairs;
    for (const HtmlTagEventClubSet& set : holder.ClubSets()) {
        for (std::size_t slot = 0; slot < HtmlTagEventClubs::GroupCount; ++slot) {
            if (set.masks[slot] == 0)
                continue;
            if (!pairs.empty())
                pairs += ' ';
            pairs += Hex(set.versions) + ':' +
                     Hex(HtmlTagEventClubs::NibbleOfGroup(slot) | set.masks[slot]);
        }
    }
    return pairs;
}

void PrintAttribute(std::ostream& out, std::string_view element, const HtmlMetaAttBase& a) {
    if (a.IsEventHolder()) {
        const auto& holder = static_cast<const HtmlTagEventHolder&>(a);
        Line(out, "events", {element, a.Name(), {}}, a, {}, {}, EventPairs(holder));
        return;
    }
    const bool shared = a.IsShared();
    const std::string group =
        shared ? Hex(static_cast<const HtmlMetaAttShared&>(a).Group()) : std::string();
    Line(out, shared ? "shared" : "attribute", {element, a.Name(), {}}, a, group, {},
         a.Description());
    for (const auto& v : a.Values())
        Line(out, shared ? "sharedvalue" : "value", {element, a.Name(), v->Name()}, *v, {}, {},
             v->Description());
}

void PrintAll(const HtmlKnowledgeBase& kb, std::ostream& out) {
    out << "kind\telement\tattribute\tvalue\tnameText\tlabel\tmenuText\tversions\tkindFlags\t"
           "sharedSelect\tcontext\tappearance\tdescription\n";
    for (const auto& e : kb.Elements()) {
        Line(out, "element", {e->Name(), {}, {}}, *e, Hex(e->GetSharedSelect()),
             InfoOf(e->Appearance()).name, e->Description());
        for (const auto& a : e->OwnAttributes())
            PrintAttribute(out, e->Name(), *a);
    }
    for (const HtmlMetaAttShared* s : kb.SharedAttributes())
        PrintAttribute(out, {}, *s);
}

void PrintEvents(const HtmlKnowledgeBase& kb, std::ostream& out) {
    for (const auto& e : kb.Elements()) {
        const HtmlTagEventHolder* holder = e->EventHolder();
        if (holder == nullptr)
            continue;
        out << e->Name() << '\t';
        const char* separator = "";
        for (const HtmlTagEvent* event : holder->EnumerateEvents()) {
            out << separator << event->name;
            separator = " ";
        }
        out << '\n';
    }
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    if (args.empty()) {
        const HtmlKnowledgeBase kb(htmlConfig, editorConfig);
        PrintAll(kb, out);
        return 0;
    }
    if (args.size() != 2 || args[0] != "--events")
        return UsageError("kb", err);
    if (!SelectVersions(htmlConfig, args[1], err))
        return 2;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    PrintEvents(kb, out);
    return 0;
}

} // namespace
} // namespace velto::tool
