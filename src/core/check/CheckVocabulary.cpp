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

const CheckVocabulary::ValueRule*
CheckVocabulary::AttributeRule::FindValue(std::string_view value) const noexcept {
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
                    const HtmlTagEvent& event =
                        clubs.Event(slot, static_cast<std::size_t>(std::countr_zero(bits)));
                    if (!event.IsEmpty())
                        versionsByName[ascii::ToUpper(event.name)] |= set.versions;
                }
            }
        }
    }
    for (std::string_view extra : Html5ExtraEvents())
        versionsByName[ascii::ToUpper(extra)] |= VersionBits::Html5;
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

const CheckVocabulary::AttributeRule*
CheckVocabulary::FindAttribute(const ElementRule& element, std::string_view name) const noexcept {
    const std::uint32_t pos = element.attributeIndex.Find(name);
    return pos == ElementIndex::None ? nullptr : &attributes_[element.attributeIds[pos]];
}

const CheckVocabulary::AttributeRule*
CheckVocabulary::FindEvent(std::string_view name) const noexcept {
    const std::uint32_t pos = eventIndex_.Find(name);
    return pos == ElementIndex::None ? nullptr : &attributes_[eventIds_[pos]];
}

} // namespace velto
