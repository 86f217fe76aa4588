// What the generated reference shows, gathered once from the knowledge base: a topic per
// element on its group's page, the attribute names with every element that has them, and
// the scripting events with the elements that offer them.
#pragma once

#include "core/htmlkb/HtmlTagEventClubs.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class HtmlMetaAttBase;
class HtmlMetaAttShared;
class HtmlMetaElement;

// File names of the pages that are not group pages, without extension.
namespace ReferencePage {
constexpr std::string_view Introduction = "introduction";
constexpr std::string_view Attributes = "attributes";
constexpr std::string_view Common = "common";
} // namespace ReferencePage

struct ElementTopic {
    const HtmlMetaElement* element = nullptr;
    std::size_t group = 0;
    std::string page;   // file name, such as "tables.htm"
    std::string anchor; // such as "el-table"
};

// One use of an attribute name: an element's own attribute, or a shared attribute.
struct AttributeUse {
    const HtmlMetaAttBase* attribute = nullptr;
    const ElementTopic* topic = nullptr; // none for a shared attribute
    std::string href;                    // page and anchor where it is described
};

// An attribute name (letter case aside) with all its uses, elements first in their order.
struct AttributeRow {
    std::string name;   // the spelling the index uses
    std::string anchor; // on the attribute index page, such as "att-align"
    std::vector<AttributeUse> uses;
    bool sharedOnly = false; // no element has an own attribute of this name
};

// A scripting event offered by some element, and under which versions it offers it.
struct EventUse {
    const ElementTopic* topic = nullptr;
    std::uint32_t versions = 0;
};
// An event of an element: its place in the event table and the versions offering it.
struct OfferedEvent {
    const HtmlTagEvent* event = nullptr;
    std::size_t group = 0;
    std::size_t position = 0;
    std::uint32_t versions = 0;
};

struct EventTopic {
    const HtmlTagEvent* event = nullptr;
    std::string anchor; // on the common page, such as "ev-onmousedown"
    std::vector<EventUse> uses;
};

class ReferenceModel {
public:
    explicit ReferenceModel(const HtmlKnowledgeBase& kb);
    ReferenceModel(const ReferenceModel&) = delete;
    ReferenceModel& operator=(const ReferenceModel&) = delete;

    [[nodiscard]] const HtmlKnowledgeBase& Kb() const noexcept { return kb_; }
    // Topics in knowledge base order.
    [[nodiscard]] const std::vector<ElementTopic>& Topics() const noexcept { return topics_; }
    [[nodiscard]] std::vector<const ElementTopic*> TopicsOfGroup(std::size_t group) const;
    // The topic of an element named so (letter case aside), or none.
    [[nodiscard]] const ElementTopic* TopicNamed(std::string_view name) const;
    // The anchor of an element's own attribute, within the element's page.
    [[nodiscard]] const std::string& AttributeAnchor(const HtmlMetaAttBase& attribute) const;
    // The anchor of a shared attribute on the common page, such as "sh-style".
    [[nodiscard]] std::string SharedAnchor(const HtmlMetaAttShared& shared) const;

    // Attribute rows in the order of their lower-case names.
    [[nodiscard]] const std::map<std::string, AttributeRow>& AttributeRows() const noexcept {
        return rows_;
    }
    [[nodiscard]] const AttributeRow* RowNamed(std::string_view name) const;
    // Events in table order (group 0, then group 1, bits upward); only those some element
    // offers.
    [[nodiscard]] const std::vector<EventTopic>& Events() const noexcept { return events_; }

    // The events an element offers under any version, each with the versions of the event
    // sets that hold it, in table order.
    [[nodiscard]] static std::vector<OfferedEvent> EventsOf(const HtmlMetaElement& element);

private:
    void AddAttribute(const HtmlMetaAttBase& attribute, const ElementTopic* topic,
                      std::string href);

    const HtmlKnowledgeBase& kb_;
    std::vector<ElementTopic> topics_;
    std::map<const HtmlMetaAttBase*, std::string> attributeAnchors_;
    std::map<std::string, AttributeRow> rows_;
    std::vector<EventTopic> events_;
};

} // namespace velto
