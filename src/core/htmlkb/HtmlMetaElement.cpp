// HtmlMetaElement: attribute iteration and lookup over shared and own attributes.
#include "core/htmlkb/HtmlMetaElement.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"

namespace velto {

HtmlMetaElement::HtmlMetaElement(const HtmlKnowledgeBase& kb, std::uint32_t serial,
                                 const MetaTexts& texts, std::uint32_t versions,
                                 std::uint32_t elementClass, AppearanceClass appearance,
                                 const HtmlTagEventClubs* clubs)
    : HtmlMeta(kb, serial, texts, versions, elementClass), appearance_(appearance), clubs_(clubs) {}

std::span<const HtmlMetaAttShared* const> HtmlMetaElement::SharedAttributes() const {
    return KnowledgeBase().SharedAttributes();
}

void HtmlMetaElement::AddAttribute(std::unique_ptr<HtmlMetaAttBase> attribute) {
    if (attribute)
        attributes_.push_back(std::move(attribute));
}

const HtmlTagEventHolder* HtmlMetaElement::EventHolder() const {
    if (attributes_.empty() || !attributes_.back()->IsEventHolder())
        return nullptr;
    return static_cast<const HtmlTagEventHolder*>(attributes_.back().get());
}

std::vector<const HtmlMetaAttBase*> HtmlMetaElement::GetAttributes(AttributeIteration mode) const {
    std::vector<const HtmlMetaAttBase*> list;
    ForEachAttribute(mode, [&](const HtmlMetaAttBase& a) {
        list.push_back(&a);
        return true;
    });
    return list;
}

const HtmlMetaAttBase* HtmlMetaElement::FindAttribute(std::string_view name, NameMode mode) const {
    const HtmlMetaAttBase* found = nullptr;
    ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        const bool same = mode == NameMode::HtmlTag ? ascii::EqualNoCase(a.Name(), name)
                                                    : ascii::EqualNoCase(a.GetName(mode), name);
        if (same)
            found = &a;
        return found == nullptr;
    });
    return found;
}

bool HtmlMetaElement::HasUsableAttributes() const {
    bool usable = false;
    ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        usable = !a.IsAlsoAttributeName() && KnowledgeBase().IsAllowed(a.Versions());
        return !usable;
    });
    return usable;
}

bool HtmlMetaElement::HasAllowedAttributes() const {
    bool allowed = false;
    ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        allowed = KnowledgeBase().IsAllowed(a.Versions());
        return !allowed;
    });
    return allowed;
}

} // namespace velto
