// Gathering the topics, attribute names and events of the reference from the knowledge base.
#include "core/reference/ReferenceModel.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/reference/ReferenceGroups.h"
#include "core/reference/ReferenceText.h"

#include <array>
#include <set>

namespace velto {

using reftext::Slug;

ReferenceModel::ReferenceModel(const HtmlKnowledgeBase& kb) : kb_(kb) {
    const auto groups = ReferenceGroups();
    std::set<std::string> anchors;
    topics_.reserve(kb.Elements().size());
    for (const auto& e : kb.Elements()) {
        ElementTopic topic;
        topic.element = e.get();
        topic.group = ReferenceGroupOf(*e);
        topic.page = std::string(groups[topic.group].stem) + ".htm";
        // Element names are unique without regard to case and Slug keeps them apart, but
        // a knowledge base is not ours to trust blindly.
        topic.anchor = "el-" + Slug(e->Name());
        for (int n = 2; !anchors.insert(topic.anchor).second; ++n)
            topic.anchor = "el-" + Slug(e->Name()) + "-" + std::to_string(n);
        topics_.push_back(std::move(topic));
    }

    // Own attributes in element order, then the shared ones: the rows list elements first.
    for (const ElementTopic& topic : topics_) {
        std::set<std::string> used;
        for (const auto& a : topic.element->OwnAttributes()) {
            if (a->IsEventHolder())
                continue;
            std::string anchor = topic.anchor + "." + Slug(a->Name());
            for (int n = 2; !used.insert(anchor).second; ++n)
                anchor = topic.anchor + "." + Slug(a->Name()) + "-" + std::to_string(n);
            attributeAnchors_[a.get()] = anchor;
            AddAttribute(*a, &topic, topic.page + "#" + anchor);
        }
    }
    for (const HtmlMetaAttShared* s : kb.SharedAttributes()) {
        const std::string key = ascii::ToLower(s->Name());
        const bool known = rows_.count(key) != 0;
        AddAttribute(*s, nullptr, std::string(ReferencePage::Common) + ".htm#" + SharedAnchor(*s));
        if (!known)
            rows_[key].sharedOnly = true;
    }

    // Events: which elements offer each, under which versions.
    std::array<EventTopic, HtmlTagEventClubs::GroupCount * HtmlTagEventClubs::SlotsPerGroup>
        byPosition{};
    for (const ElementTopic& topic : topics_) {
        for (const OfferedEvent& offered : EventsOf(*topic.element)) {
            EventTopic& slot =
                byPosition[offered.group * HtmlTagEventClubs::SlotsPerGroup + offered.position];
            slot.event = offered.event;
            slot.uses.push_back(EventUse{&topic, offered.versions});
        }
    }
    std::set<std::string> eventAnchors;
    for (EventTopic& slot : byPosition) {
        if (slot.event == nullptr)
            continue;
        slot.anchor = "ev-" + Slug(slot.event->name);
        for (int n = 2; !eventAnchors.insert(slot.anchor).second; ++n)
            slot.anchor = "ev-" + Slug(slot.event->name) + "-" + std::to_string(n);
        events_.push_back(std::move(slot));
    }
}

void ReferenceModel::AddAttribute(const HtmlMetaAttBase& attribute, const ElementTopic* topic,
                                  std::string href) {
    const std::string key = ascii::ToLower(attribute.Name());
    AttributeRow& row = rows_[key];
    // Of the spellings ("DIR" beside BDO's "Dir") the index takes the first in byte order,
    // which puts upper case before lower case.
    if (row.name.empty() || attribute.Name() < row.name)
        row.name = attribute.Name();
    if (row.anchor.empty())
        row.anchor = "att-" + Slug(key.empty() ? std::string("_") : key);
    row.uses.push_back(AttributeUse{&attribute, topic, std::move(href)});
}

std::vector<const ElementTopic*> ReferenceModel::TopicsOfGroup(std::size_t group) const {
    std::vector<const ElementTopic*> list;
    for (const ElementTopic& t : topics_)
        if (t.group == group)
            list.push_back(&t);
    return list;
}

const ElementTopic* ReferenceModel::TopicNamed(std::string_view name) const {
    for (const ElementTopic& t : topics_)
        if (ascii::EqualNoCase(t.element->Name(), name))
            return &t;
    return nullptr;
}

const std::string& ReferenceModel::AttributeAnchor(const HtmlMetaAttBase& attribute) const {
    static const std::string none;
    const auto found = attributeAnchors_.find(&attribute);
    return found == attributeAnchors_.end() ? none : found->second;
}

std::string ReferenceModel::SharedAnchor(const HtmlMetaAttShared& shared) const {
    return "sh-" + Slug(shared.Name());
}

const AttributeRow* ReferenceModel::RowNamed(std::string_view name) const {
    const auto found = rows_.find(ascii::ToLower(name));
    return found == rows_.end() ? nullptr : &found->second;
}

std::vector<OfferedEvent> ReferenceModel::EventsOf(const HtmlMetaElement& element) {
    std::vector<OfferedEvent> list;
    const HtmlTagEventHolder* holder = element.EventHolder();
    if (holder == nullptr)
        return list;
    // Only the first GroupCount slots of a club set name events of the table.
    for (std::size_t g = 0; g < HtmlTagEventClubs::GroupCount; ++g) {
        for (std::size_t pos = 0; pos < HtmlTagEventClubs::SlotsPerGroup; ++pos) {
            std::uint32_t versions = 0;
            bool offered = false;
            for (const HtmlTagEventClubSet& set : holder->ClubSets()) {
                if ((set.masks[g] >> pos & 1u) != 0) {
                    offered = true;
                    versions |= set.versions;
                }
            }
            const HtmlTagEvent& event = holder->Clubs().Event(g, pos);
            if (offered && !event.IsEmpty())
                list.push_back(OfferedEvent{&event, g, pos, versions});
        }
    }
    return list;
}

} // namespace velto
