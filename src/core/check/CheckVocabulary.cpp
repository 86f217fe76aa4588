// CheckVocabulary: built from the knowledge base's records and the version selection.
#include "core/check/CheckVocabulary.h"

#include "core/check/VocabularyCorrections.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>
#include <bit>
#include <map>

namespace velto {

namespace {

constexpr std::uint32_t StandardBits[] = {VersionBits::Html5, VersionBits::Html40,
                                          VersionBits::Html32, VersionBits::Html20};

// "A, B or C".
std::string JoinOr(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? " or " : ", ";
        text += words[i];
    }
    return text;
}

std::vector<std::string_view> Words(std::string_view list) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t blank = list.find(' ', start);
        if (blank == std::string_view::npos)
            blank = list.size();
        if (blank > start)
            words.push_back(list.substr(start, blank - start));
        start = blank + 1;
    }
    return words;
}

} // namespace

const CheckVocabulary::ValueRule* CheckVocabulary::AttributeRule::FindValue(std::string_view value) const noexcept {
    for (const ValueRule& v : values)
        if (ascii::EqualNoCase(v.name, value))
            return &v;
    return nullptr;
}

CheckVocabulary::CheckVocabulary(const HtmlKnowledgeBase& kb) {
    for (const HtmlVer& v : kb.HtmlConfig().versions) {
        versions_.push_back({v.name, v.mask});
        if (v.state & VersionState::AllOf)
            allMask_ |= v.mask;
        if (v.state & VersionState::AnyOf)
            anyMask_ |= v.mask;
    }
    standard_ = VersionBits::Html32;
    for (std::uint32_t bit : StandardBits) {
        if ((anyMask_ | allMask_) & bit) {
            standard_ = bit;
            break;
        }
    }
    std::vector<std::string> selected;
    for (const Version& v : versions_)
        if ((anyMask_ | allMask_) & v.mask)
            selected.push_back(v.name);
    for (std::size_t i = 0; i < selected.size(); ++i)
        selectionText_ += (i > 0 ? ", " : "") + selected[i];
    if (selectionText_.empty())
        selectionText_ = "no HTML version";

    AddElements(kb);
    AddEvents(kb);
    ResolveContexts(kb);
}

bool CheckVocabulary::IsAllowed(std::uint32_t versions) const noexcept {
    if ((versions & anyMask_) != 0)
        return true;
    return allMask_ != 0 && (versions & allMask_) == allMask_;
}

bool CheckVocabulary::IsHtml5() const noexcept {
    return standard_ == VersionBits::Html5;
}

std::string CheckVocabulary::VersionNames(std::uint32_t versions) const {
    std::string text;
    for (const Version& v : versions_) {
        if ((versions & v.mask) == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += v.name;
    }
    return text;
}

std::string_view CheckVocabulary::StandardName(std::uint32_t standardBit) const {
    for (const Version& v : versions_)
        if (v.mask == standardBit)
            return v.name;
    return {};
}

namespace {
struct Named {
    std::string name; // upper case
    CheckVocabulary::Id id;
    bool recordRequired;
};
} // namespace

void CheckVocabulary::AddElements(const HtmlKnowledgeBase& kb) {
    std::map<const HtmlMetaAttBase*, Id> pooled; // shared attributes, made once
    const auto makeAttribute = [&](const HtmlMetaAttBase& a, std::string_view element) {
        AttributeRule r;
        r.name = a.Name();
        r.versions = a.Versions();
        r.allowed = IsAllowed(r.versions);
        r.kind = a.Kind();
        r.flag = a.IsFlagAttribute();
        r.list = a.IsListValue();
        bool typedIn = false;
        for (const auto& v : a.Values()) {
            if (v->IsManualEntryValue()) {
                typedIn = true;
                continue;
            }
            r.values.push_back({v->Name(), v->Versions(), IsAllowed(v->Versions())});
        }
        r.closed = a.HasEnumValues() && !typedIn && !r.values.empty() && !r.list;
        r.advice = AttributeAdvice(element, r.name);
        attributes_.push_back(std::move(r));
        return static_cast<Id>(attributes_.size() - 1);
    };

    // What the standards' DTDs have beyond the records, added to copies of the records'
    // rules so that shared attributes stay as they are on other elements.
    const auto supplement = [this](ElementRule& e, std::vector<Named>& byName) {
        for (const SupplementEntry& s : StandardsSupplement()) {
            if (s.element != e.name)
                continue;
            if (s.attribute.empty()) {
                e.versions |= s.versions;
                continue;
            }
            const std::string upper = ascii::ToUpper(s.attribute);
            auto named = std::find_if(byName.begin(), byName.end(), [&](const Named& n) { return n.name == upper; });
            AttributeRule rule;
            if (named != byName.end()) {
                rule = attributes_[named->id];
            } else {
                rule.name = std::string(s.attribute);
                rule.kind = AttKind::TextKind;
                rule.closed = !s.values.empty();
            }
            if (s.values.empty())
                rule.versions |= s.versions;
            for (std::string_view word : Words(s.values)) {
                const auto v = std::find_if(rule.values.begin(), rule.values.end(),
                                            [&](const ValueRule& r) { return ascii::EqualNoCase(r.name, word); });
                if (v != rule.values.end())
                    v->versions |= s.versions;
                else
                    rule.values.push_back({std::string(word), s.versions, false});
                if (named == byName.end())
                    rule.versions |= s.versions;
            }
            rule.allowed = IsAllowed(rule.versions);
            for (ValueRule& v : rule.values)
                v.allowed = IsAllowed(v.versions);
            attributes_.push_back(std::move(rule));
            const Id id = static_cast<Id>(attributes_.size() - 1);
            if (named != byName.end())
                named->id = id;
            else
                byName.push_back({upper, id, false});
        }
    };

    std::vector<std::string_view> names;
    for (const auto& record : kb.Elements()) {
        ElementRule e;
        e.name = ascii::ToUpper(record->Name());
        e.versions = record->Versions();
        e.known = true;
        e.structure = StructureOf(ascii::ToLower(record->Name()));
        e.advice = ElementAdvice(e.name);

        // Own and shared attributes by name; where two share a name, the one the
        // selection allows counts.
        std::vector<Named> byName;
        record->ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
            if (a.IsEventHolder())
                return true;
            Id id;
            if (a.IsShared()) {
                const auto it = pooled.find(&a);
                id = it != pooled.end() ? it->second : (pooled[&a] = makeAttribute(a, {}));
            } else {
                id = makeAttribute(a, e.name);
            }
            std::string upper = ascii::ToUpper(a.Name());
            const auto same = std::find_if(byName.begin(), byName.end(),
                                           [&](const Named& n) { return n.name == upper; });
            if (same == byName.end())
                byName.push_back({std::move(upper), id, a.IsRequired()});
            else if (!attributes_[same->id].allowed && attributes_[id].allowed)
                *same = {same->name, id, a.IsRequired()};
            return true;
        });
        // HTML5 gives every element its global attributes, the shared ones of HTML 4.0
        // included, even where HTML 4.0 did not offer them (CLASS on HTML, ID on BR).
        if ((record->Versions() & VersionBits::Html5) != 0) {
            for (const HtmlMetaAttShared* shared : kb.SharedAttributes()) {
                const std::string upper = ascii::ToUpper(shared->Name());
                if ((shared->Versions() & VersionBits::Html5) == 0 ||
                    std::any_of(byName.begin(), byName.end(), [&](const Named& n) { return n.name == upper; }))
                    continue;
                AttributeRule r = attributes_[pooled.count(shared) ? pooled[shared] : makeAttribute(*shared, {})];
                r.versions = VersionBits::Html5;
                r.allowed = IsAllowed(r.versions);
                attributes_.push_back(std::move(r));
                byName.push_back({upper, static_cast<Id>(attributes_.size() - 1), false});
            }
        }
        supplement(e, byName);
        e.allowed = IsAllowed(e.versions);
        std::vector<std::string_view> attributeNames;
        for (const Named& n : byName) {
            attributeNames.push_back(n.name);
            e.attributeIds.push_back(n.id);
            // A required attribute is required wherever it exists, unless the tables of
            // the standards say otherwise.
            const AttributeRule& a = attributes_[n.id];
            const std::optional<std::uint32_t> corrected = RequiredIn(e.name, a.name);
            const std::uint32_t requiredIn = corrected ? *corrected : (n.recordRequired ? a.versions : 0);
            if ((requiredIn & standard_) != 0 && a.allowed)
                e.required.push_back(n.id);
        }
        e.attributeIndex.Build(attributeNames);
        elements_.push_back(std::move(e));
    }
    // The elements that only the parser knows (IMAGE, KEYGEN...): structure, no record.
    for (std::string_view name : StructureNames()) {
        if (kb.FindElement(name) != nullptr)
            continue;
        ElementRule e;
        e.name = ascii::ToUpper(name);
        e.structure = StructureOf(name);
        e.advice = ElementAdvice(e.name);
        elements_.push_back(std::move(e));
    }
    for (const ElementRule& e : elements_)
        names.push_back(e.name);
    elementIndex_.Build(names);
}

void CheckVocabulary::AddEvents(const HtmlKnowledgeBase& kb) {
    // Under the living standard every element has the global event handlers, so an event
    // counts on any element once the selection has it anywhere.
    std::map<std::string, std::uint32_t> versionsByName;
    const HtmlTagEventClubs& clubs = kb.EventClubs();
    for (const auto& record : kb.Elements()) {
        const HtmlTagEventHolder* holder = record->EventHolder();
        if (holder == nullptr)
            continue;
        for (const HtmlTagEventClubSet& set : holder->ClubSets()) {
            for (std::size_t slot = 0; slot < HtmlTagEventClubs::GroupCount; ++slot) {
                for (std::uint32_t bits = set.masks[slot]; bits != 0; bits &= bits - 1) {
                    const HtmlTagEvent& event = clubs.Event(slot, static_cast<std::size_t>(std::countr_zero(bits)));
                    if (!event.IsEmpty())
                        versionsByName[ascii::ToUpper(event.name)] |= set.versions;
                }
            }
        }
    }
    std::vector<std::string_view> names;
    for (const auto& [name, versions] : versionsByName) {
        AttributeRule r;
        r.name = name;
        r.versions = versions;
        r.allowed = IsAllowed(versions);
        r.kind = 0x1b;
        attributes_.push_back(std::move(r));
        eventIds_.push_back(static_cast<Id>(attributes_.size() - 1));
        names.push_back(name);
    }
    eventIndex_.Build(names);
}

void CheckVocabulary::ResolveContexts(const HtmlKnowledgeBase& kb) {
    for (ElementRule& e : elements_) {
        std::string_view context;
        if (const std::optional<std::string_view> corrected = ContextFor(e.name, standard_))
            context = *corrected;
        else if (const HtmlMetaElement* record = e.known ? kb.FindElement(e.name) : nullptr)
            context = record->Context();
        std::vector<std::string> shown;
        for (std::string_view word : Words(context)) {
            const Id id = FindElement(word);
            if (id == None)
                continue;
            e.context.push_back(id);
            shown.push_back(elements_[id].name);
        }
        e.contextText = JoinOr(shown);
    }
}

CheckVocabulary::Id CheckVocabulary::FindElement(std::string_view name) const noexcept {
    const std::uint32_t pos = elementIndex_.Find(name);
    return pos == ElementIndex::None ? None : static_cast<Id>(pos);
}

const CheckVocabulary::AttributeRule* CheckVocabulary::FindAttribute(const ElementRule& element,
                                                                     std::string_view name) const noexcept {
    const std::uint32_t pos = element.attributeIndex.Find(name);
    return pos == ElementIndex::None ? nullptr : &attributes_[element.attributeIds[pos]];
}

const CheckVocabulary::AttributeRule* CheckVocabulary::FindEvent(std::string_view name) const noexcept {
    const std::uint32_t pos = eventIndex_.Find(name);
    return pos == ElementIndex::None ? nullptr : &attributes_[eventIds_[pos]];
}

} // namespace velto
