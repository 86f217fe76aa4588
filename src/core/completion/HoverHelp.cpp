// HoverHelp: the tooltip of an element, attribute or enumerated value name in a tag.
#include "core/completion/HoverHelp.h"

#include "core/completion/VersionText.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"
#include "core/htmlkb/HtmlTagEventClubs.h"
#include "core/platform/TextControl.h"

#include <algorithm>

namespace velto {

namespace {
// How far around the pointer a name is looked for.
constexpr int NameReach = 128;

constexpr bool InWord(char c) noexcept {
    return !(c == ' ' || (c >= '\t' && c <= '\r') || c == '"' || c == '\'' || c == '=' || c == '<' ||
             c == '>');
}

const HtmlTagEvent* FindEventNoCase(const HtmlTagEventClubs& clubs, std::string_view name) {
    for (std::size_t g = 0; g < HtmlTagEventClubs::GroupCount; ++g)
        for (std::size_t p = 0; p < HtmlTagEventClubs::SlotsPerGroup; ++p) {
            const HtmlTagEvent& e = clubs.Event(g, p);
            if (!e.IsEmpty() && ascii::EqualNoCase(e.name, name))
                return &e;
        }
    return nullptr;
}
} // namespace

std::string HoverHelp::Tip(const HtmlMeta& record, std::string_view what) const {
    std::string tip = record.Name() + ' ' + std::string(what);
    const std::string label = PlainName(record.Label());
    if (!label.empty() && !ascii::EqualNoCase(label, record.Name()))
        tip += " \u2014 " + label;
    if (!record.Description().empty())
        tip += '\n' + record.Description();
    for (const std::string& line : VersionLines(kb_.HtmlConfig(), record.Versions()))
        tip += '\n' + line;
    if (IsObsoleteInHtml5(record.Versions()))
        tip += "\nObsolete in HTML5";
    if (!kb_.IsAllowed(record.Versions()))
        tip += "\nOutside the selected versions";
    tip += '\n';
    tip += LastLine;
    return tip;
}

std::string HoverHelp::TextAt(const TextControl& control, int pos, KnownStart known) {
    const int length = control.Length();
    if (pos < 0 || pos >= length)
        return {};
    const int first = std::max(0, pos - NameReach);
    control.GetTextRange(first, std::min(length, pos + NameReach), text_);
    const auto at = static_cast<std::size_t>(pos - first);
    if (at >= text_.size() || !InWord(text_[at]))
        return {};
    std::size_t end = at + 1;
    while (end < text_.size() && InWord(text_[end]))
        ++end;
    // The '/' of "<BR/>" closes the tag; it is not part of the name.
    while (end > at + 1 && text_[end - 1] == '/')
        --end;

    const CompletionContext c = finder_.Find(control, first + static_cast<int>(end), known);
    if (!c.InTag() && !c.endTag)
        return {};
    const HtmlMetaElement* element = kb_.FindElement(c.elementName);
    if (!element)
        return {};
    if (c.endTag || c.kind == CompletionContext::Kind::Element)
        return pos > c.tagStart ? Tip(*element, "element") : std::string();
    if (c.kind == CompletionContext::Kind::Attribute) {
        if (c.typed.empty())
            return {};
        const HtmlMetaAttBase* attribute = element->FindAttribute(c.typed);
        if (attribute && !attribute->IsEventHolder())
            return Tip(*attribute, "attribute");
        const HtmlTagEvent* event = element->EventClubs() ? FindEventNoCase(*element->EventClubs(), c.typed) : nullptr;
        if (!event)
            return {};
        return event->name + " event handler\n" + event->description + '\n' + std::string(LastLine);
    }
    // A value: its own texts when it is one of the attribute's enumerated values.
    const HtmlMetaAttBase* attribute = element->FindAttribute(c.attributeName);
    if (!attribute || attribute->IsEventHolder())
        return {};
    for (const auto& value : attribute->Values())
        if (!value->Name().empty() && ascii::EqualNoCase(value->Name(), c.typed))
            return Tip(*value, "value of " + attribute->Name());
    return {};
}

} // namespace velto
