// CheckVocabulary: what Check Page knows of each element, attribute and value under one
// version selection, read from the knowledge base once and then shared, read-only, with
// the checks that run on other threads.
#pragma once

#include "core/check/HtmlStructure.h"
#include "core/htmlkb/ElementIndex.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class HtmlMetaAttBase;
class HtmlMetaElement;

class CheckVocabulary {
public:
    using Id = std::uint16_t;
    static constexpr Id None = 0xffff;

    struct ValueRule {
        std::string name;
        std::uint32_t versions = 0;
        bool allowed = false;
    };

    struct AttributeRule {
        std::string name; // as the knowledge base writes it: "HREF", "Dir"
        std::uint32_t versions = 0;
        bool allowed = false;
        std::uint32_t kind = 0; // the value kind, AttKind
        bool flag = false;      // stands alone, without a value
        bool list = false;      // a list of words
        bool closed = false;    // only its enumerated values may be given
        std::vector<ValueRule> values;
        std::string_view advice; // what to use instead when it is not allowed

        // The enumerated value of that name, compared without regard to case, or none.
        [[nodiscard]] const ValueRule* FindValue(std::string_view value) const noexcept;
    };

    struct ElementRule {
        std::string name; // upper case: "TABLE"
        std::uint32_t versions = 0;
        bool known = false;   // the knowledge base has it
        bool allowed = false; // and the selection admits it
        StructureInfo structure;
        std::vector<Id> context;  // one of these must enclose it (none: anywhere)
        std::string contextText;  // the same, for messages: "UL, OL, MENU or DIR"
        std::vector<Id> required; // attributes that must be given (AttributeRule ids)
        std::string_view advice;

        ElementIndex attributeIndex;  // own and shared attributes by name
        std::vector<Id> attributeIds; // by position in the index
    };

    // Reads the records and the version selection of the knowledge base's configuration.
    explicit CheckVocabulary(const HtmlKnowledgeBase& kb);

    // The element of that name (any letter case), or None.
    [[nodiscard]] Id FindElement(std::string_view name) const noexcept;
    [[nodiscard]] const ElementRule& Element(Id id) const noexcept { return elements_[id]; }
    [[nodiscard]] std::size_t ElementCount() const noexcept { return elements_.size(); }
    [[nodiscard]] const AttributeRule& Attribute(Id id) const noexcept { return attributes_[id]; }
    // The element's own or shared attribute of that name, or none.
    [[nodiscard]] const AttributeRule* FindAttribute(const ElementRule& element,
                                                     std::string_view name) const noexcept;
    // The event handler attribute of that name ("onclick"), whatever the element, or none.
    [[nodiscard]] const AttributeRule* FindEvent(std::string_view name) const noexcept;

    // Whether records of these versions belong to the selection (the knowledge base's rule).
    [[nodiscard]] bool IsAllowed(std::uint32_t versions) const noexcept;
    // The newest standard selected (HTML5, 4.0, 3.2 or 2.0 by its bit; 3.2 when only
    // browsers are selected): its rules decide what is required and how values are quoted.
    [[nodiscard]] std::uint32_t Standard() const noexcept { return standard_; }
    [[nodiscard]] bool IsHtml5() const noexcept;
    // The selected versions by name, for messages: "HTML v4.0, HTML5".
    [[nodiscard]] const std::string& SelectionText() const noexcept { return selectionText_; }
    // The selectable versions among these bits, by name.
    [[nodiscard]] std::string VersionNames(std::uint32_t versions) const;
    [[nodiscard]] std::string_view StandardName(std::uint32_t standardBit) const;

private:
    struct Version {
        std::string name;
        std::uint32_t mask;
    };

    // An element's attributes while its rule is made: upper-case name, rule, and whether
    // the knowledge base's record marks it required.
    struct Named {
        std::string name;
        Id id;
        bool recordRequired;
    };
    using Pool = std::map<const void*, Id>; // the shared attributes' rules, made once

    void AddElements(const HtmlKnowledgeBase& kb);
    [[nodiscard]] Id MakeAttribute(const HtmlMetaAttBase& a, std::string_view element);
    [[nodiscard]] std::vector<Named> CollectAttributes(const HtmlMetaElement& record,
                                                       const std::string& element, Pool& pool);
    void AddHtml5Globals(const HtmlKnowledgeBase& kb, std::vector<Named>& byName, Pool& pool);
    void Supplement(ElementRule& e, std::vector<Named>& byName);
    void FinishElement(ElementRule& e, const std::vector<Named>& byName);
    void AddEvents(const HtmlKnowledgeBase& kb);
    void ResolveContexts(const HtmlKnowledgeBase& kb);

    std::vector<ElementRule> elements_;
    std::vector<AttributeRule> attributes_;
    ElementIndex elementIndex_;
    ElementIndex eventIndex_;
    std::vector<Id> eventIds_;
    std::vector<Version> versions_;
    std::uint32_t anyMask_ = 0;
    std::uint32_t allMask_ = 0;
    std::uint32_t standard_ = 0;
    std::string selectionText_;
};

} // namespace velto
