// CheckVocabulary: the rules of the elements and their attributes, from the knowledge
// base's records, HTML5's globals and what the standards' DTDs add.
#include "core/check/CheckVocabulary.h"

#include "core/check/VocabularyCorrections.h"
#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>

namespace velto {

namespace {

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

void CheckVocabulary::AddElements(const HtmlKnowledgeBase& kb) {
    Pool pool;
    for (const auto& record : kb.Elements()) {
        ElementRule e;
        e.name = ascii::ToUpper(record->Name());
        e.versions = record->Versions();
        e.known = true;
        e.structure = StructureOf(ascii::ToLower(record->Name()));
        e.advice = ElementAdvice(e.name);
        std::vector<Named> byName = CollectAttributes(*record, e.name, pool);
        if ((record->Versions() & VersionBits::Html5) != 0)
            AddHtml5Globals(kb, byName, pool);
        Supplement(e, byName);
        e.allowed = IsAllowed(e.versions);
        FinishElement(e, byName);
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
    std::vector<std::string_view> names;
    for (const ElementRule& e : elements_)
        names.push_back(e.name);
    elementIndex_.Build(names);
}

CheckVocabulary::Id CheckVocabulary::MakeAttribute(const HtmlMetaAttBase& a,
                                                   std::string_view element) {
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
    // Only the values listed may be given when there is no typed-in entry; the words of
    // a list attribute (REL) are an open set.
    r.closed = a.HasEnumValues() && !typedIn && !r.values.empty() && !r.list;
    r.advice = AttributeAdvice(element, r.name);
    attributes_.push_back(std::move(r));
    return static_cast<Id>(attributes_.size() - 1);
}

std::vector<CheckVocabulary::Named>
CheckVocabulary::CollectAttributes(const HtmlMetaElement& record, const std::string& element,
                                   Pool& pool) {
    // Own and shared attributes by name; where two share a name, the one the selection
    // allows counts.
    std::vector<Named> byName;
    record.ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        if (a.IsEventHolder())
            return true;
        Id id;
        if (a.IsShared()) {
            const auto it = pool.find(&a);
            id = it != pool.end() ? it->second : (pool[&a] = MakeAttribute(a, {}));
        } else {
            id = MakeAttribute(a, element);
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
    return byName;
}

void CheckVocabulary::AddHtml5Globals(const HtmlKnowledgeBase& kb, std::vector<Named>& byName,
                                      Pool& pool) {
    // HTML5 gives every element its global attributes, the shared ones of HTML 4.0
    // included, even where HTML 4.0 did not offer them (CLASS on HTML, ID on BR).
    for (const HtmlMetaAttShared* shared : kb.SharedAttributes()) {
        const std::string upper = ascii::ToUpper(shared->Name());
        if ((shared->Versions() & VersionBits::Html5) == 0 ||
            std::any_of(byName.begin(), byName.end(),
                        [&](const Named& n) { return n.name == upper; }))
            continue;
        const auto it = pool.find(shared);
        const Id source =
            it != pool.end() ? it->second : (pool[shared] = MakeAttribute(*shared, {}));
        AttributeRule r = attributes_[source];
        r.versions = VersionBits::Html5;
        r.allowed = IsAllowed(r.versions);
        attributes_.push_back(std::move(r));
        byName.push_back({upper, static_cast<Id>(attributes_.size() - 1), false});
    }
}

void CheckVocabulary::Supplement(ElementRule& e, std::vector<Named>& byName) {
    // What the standards' DTDs have beyond the records, added to copies of the records'
    // rules so that shared attributes stay as they are on other elements.
    for (const SupplementEntry& s : StandardsSupplement()) {
        if (s.element != e.name)
            continue;
        if (s.attribute.empty()) {
            e.versions |= s.versions;
            continue;
        }
        const std::string upper = ascii::ToUpper(s.attribute);
        const auto named = std::find_if(byName.begin(), byName.end(),
                                        [&](const Named& n) { return n.name == upper; });
        AttributeRule rule;
        if (named != byName.end()) {
            rule = attributes_[named->id];
        } else {
            rule.name = std::string(s.attribute);
            rule.kind = AttKind::TextKind;
            rule.closed = !s.values.empty();
        }
        if (s.values.empty() || named == byName.end())
            rule.versions |= s.versions;
        for (std::string_view word : Words(s.values)) {
            const auto v =
                std::find_if(rule.values.begin(), rule.values.end(),
                             [&](const ValueRule& r) { return ascii::EqualNoCase(r.name, word); });
            if (v != rule.values.end())
                v->versions |= s.versions;
            else
                rule.values.push_back({std::string(word), s.versions, false});
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
}

void CheckVocabulary::FinishElement(ElementRule& e, const std::vector<Named>& byName) {
    std::vector<std::string_view> attributeNames;
    for (const Named& n : byName) {
        attributeNames.push_back(n.name);
        e.attributeIds.push_back(n.id);
        // A required attribute is required wherever it exists, unless the tables of the
        // standards say otherwise.
        const AttributeRule& a = attributes_[n.id];
        const std::optional<std::uint32_t> corrected = RequiredIn(e.name, a.name);
        const std::uint32_t requiredIn =
            corrected ? *corrected : (n.recordRequired ? a.versions : 0);
        if ((requiredIn & standard_) != 0 && a.allowed)
            e.required.push_back(n.id);
    }
    e.attributeIndex.Build(attributeNames);
}

} // namespace velto
