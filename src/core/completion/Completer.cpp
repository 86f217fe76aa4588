// Completer: the dispatch by context, the ordering, and the element and attribute lists.
#include "core/completion/Completer.h"

#include "core/completion/CompleterRanked.h"
#include "core/completion/ElementFit.h"
#include "core/completion/NameMatch.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/tagassist/HtmlElementEd.h"

#include <algorithm>
#include <unordered_set>

namespace velto {

std::string_view KindName(CompletionKind kind) noexcept {
    switch (kind) {
    case CompletionKind::Element:
        return "element";
    case CompletionKind::Attribute:
        return "attribute";
    case CompletionKind::Value:
        return "value";
    case CompletionKind::File:
        return "file";
    case CompletionKind::Colour:
        return "colour";
    case CompletionKind::Reference:
        return "reference";
    }
    return "";
}

std::vector<CompletionItem> Completer::Items(const CompletionContext& context,
                                             const CompletionSources& sources) const {
    std::vector<Ranked> ranked;
    switch (context.kind) {
    case CompletionContext::Kind::None:
        return {};
    case CompletionContext::Kind::Element:
        Elements(context, ranked);
        break;
    case CompletionContext::Kind::Attribute:
        Attributes(context, ranked);
        break;
    case CompletionContext::Kind::Value:
        Values(context, sources, ranked);
        break;
    case CompletionContext::Kind::Reference:
        References(context, ranked);
        break;
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.key != b.key ? a.key < b.key : a.sortName < b.sortName;
    });
    std::vector<CompletionItem> items;
    items.reserve(ranked.size());
    for (Ranked& r : ranked)
        items.push_back(std::move(r.item));
    return items;
}

bool Completer::Offered(std::uint32_t versions, bool& greyed) const {
    greyed = false;
    if (kb_.IsAllowed(versions))
        return true;
    // As the tag menu lists records outside the selection.
    const CHtmlConfig& html = kb_.HtmlConfig();
    greyed = html.advancedAttsGreyed;
    return html.advancedAttsOnPopup;
}

std::string Completer::Detail(const HtmlMeta& record) const {
    std::string text;
    const std::string label = PlainName(record.Label());
    if (!label.empty() && !ascii::EqualNoCase(label, record.Name()))
        text = label;
    if (!record.Description().empty()) {
        if (!text.empty())
            text += " \u2014 ";
        text += record.Description();
    }
    if (!kb_.IsAllowed(record.Versions()))
        text += text.empty() ? "(outside the selected versions)" : " (outside the selected versions)";
    return text;
}

const HtmlMetaElement* Completer::ElementOf(const CompletionContext& context) const {
    if (const HtmlMetaElement* element = kb_.FindAllowedElement(context.elementName))
        return element;
    return kb_.HtmlConfig().advancedAttsOnPopup ? kb_.FindElement(context.elementName) : nullptr;
}

const HtmlMetaAttBase* Completer::AttributeOf(const CompletionContext& context) const {
    const HtmlMetaElement* element = ElementOf(context);
    if (!element || context.attributeName.empty())
        return nullptr;
    const HtmlMetaAttBase* attribute = element->FindAttribute(context.attributeName);
    return attribute && !attribute->IsEventHolder() ? attribute : nullptr;
}

void Completer::Elements(const CompletionContext& context, std::vector<Ranked>& out) const {
    for (const auto& element : kb_.Elements()) {
        const std::string& name = element->Name();
        // The comment and the declarations are not elements to type a name for.
        if (name.empty() || name[0] == '!')
            continue;
        bool greyed = false;
        if (!Offered(element->Versions(), greyed))
            continue;
        const int group = MatchGroup(name, context.typed);
        if (group < 0)
            continue;
        const ElementPlace place = PlaceOf(*element, context);
        Ranked r;
        r.key = {group, kb_.IsAllowed(element->Versions()) ? 0 : 1, static_cast<int>(place.fit),
                 place.sibling ? 0 : 1 + place.order};
        r.sortName = ascii::ToUpper(name);
        r.item.kind = CompletionKind::Element;
        r.item.text = element->GetNameForInsert();
        r.item.description = Detail(*element);
        r.item.greyed = greyed;
        r.item.element = element.get();
        out.push_back(std::move(r));
    }
}

void Completer::Attributes(const CompletionContext& context, std::vector<Ranked>& out) const {
    const HtmlMetaElement* element = ElementOf(context);
    if (!element)
        return;
    // The tag as it would be without the word being typed, which is no attribute yet.
    std::string tag = context.tagText;
    const auto cutFrom = static_cast<std::size_t>(std::max(0, context.from - context.tagStart));
    const auto cutTo = static_cast<std::size_t>(std::max(0, context.to - context.tagStart));
    if (cutFrom <= cutTo && cutTo <= tag.size())
        tag.erase(cutFrom, cutTo - cutFrom);
    std::unordered_set<std::string> seen;
    const auto take = [&](std::string_view name) {
        return !HtmlElementEd::FindAttributeText(name, tag) && seen.insert(ascii::ToUpper(name)).second;
    };

    element->ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& attribute) {
        if (attribute.IsEventHolder())
            return true;
        bool greyed = false;
        if (!Offered(attribute.Versions(), greyed))
            return true;
        const int group = MatchGroup(attribute.Name(), context.typed);
        if (group < 0 || !take(attribute.Name()))
            return true;
        Ranked r;
        r.key = {group, attribute.IsRequired() ? 0 : 1, kb_.IsAllowed(attribute.Versions()) ? 0 : 1, 0};
        r.sortName = ascii::ToUpper(attribute.Name());
        r.item.kind = CompletionKind::Attribute;
        r.item.text = attribute.GetNameForInsert();
        r.item.description = Detail(attribute);
        r.item.greyed = greyed;
        r.item.attribute = &attribute;
        out.push_back(std::move(r));
        return true;
    });

    if (const HtmlTagEventHolder* holder = element->EventHolder()) {
        for (const HtmlTagEvent* event : holder->EnumerateEvents()) {
            const int group = MatchGroup(event->name, context.typed);
            if (group < 0 || !take(event->name))
                continue;
            Ranked r;
            // After the attributes: an element has many of them.
            r.key = {group, 1, 0, 1};
            r.sortName = ascii::ToUpper(event->name);
            r.item.kind = CompletionKind::Attribute;
            r.item.text = event->name; // written as the tag menu writes it
            r.item.description = event->description;
            r.item.eventName = event->name;
            out.push_back(std::move(r));
        }
    }
}

} // namespace velto
