// KbBuilder: makes the knowledge base's records in order, tracking the current ones.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"
#include "core/htmlkb/KindFlags.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace velto {

class HtmlKnowledgeBase;
class HtmlMetaAttBase;
class HtmlMetaElement;

// An element's record is made current when constructed; attributes go to the current
// element, values to the current attribute. The current appearance class is given to
// each element made while it holds.
//
// The records of the older versions are written as those versions had them; the builder
// adds what the living standard changed. It gives its bit to the records that the
// standard keeps; when an attribute is done (before its "&Other..." entry, if any) it
// adds the attribute's new values, and when an element is done (before its event
// holder) the element's new attributes; an event holder of an element under the living
// standard gets the standard's event handlers.
class KbBuilder {
public:
    explicit KbBuilder(HtmlKnowledgeBase& kb) : kb_(kb) {}

    // The elements in their groups, then the shared attributes.
    void BuildAll();

    void SetAppearance(AppearanceClass c) noexcept { appearance_ = c; }

    void Element(std::string_view nameText, std::string_view label, std::string_view menuText,
                 std::uint32_t versions, std::uint32_t elementClass, std::string_view description);
    // The current element's enclosing elements and shared select word (the refusals that
    // its own attributes made stay).
    void Inside(std::string_view context);
    void Select(std::uint32_t sharedSelect);
    // Ends the records of the current element, as the next element would.
    void Done();

    void Att(std::string_view nameText, std::string_view label, std::string_view menuText,
             std::uint32_t versions, std::uint32_t kindFlags, std::string_view description);
    void Val(std::string_view nameText, std::string_view label, std::string_view menuText,
             std::uint32_t versions, std::string_view description,
             std::uint32_t flags = ValueFlags::Plain);
    // The "&Other..." entry: no name, the user types the value.
    void Other(std::uint32_t versions, std::string_view description,
               std::uint32_t flags = ValueFlags::Other, std::string_view label = "&Other...");
    // The current element's event holder with its (versions, mask) pairs.
    void Events(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> pairs);

    void Shared(std::string_view nameText, std::string_view label, std::string_view menuText,
                std::uint32_t versions, std::uint32_t group, std::uint32_t kindFlags,
                std::string_view description);

    // The version mask of the current attribute, for value sets that follow it.
    [[nodiscard]] std::uint32_t AttVersions() const;

private:
    HtmlMetaElement& CurrentElement() const;
    HtmlMetaAttBase& CurrentAttribute() const;
    // The living standard's additions to the attribute and to the element, made once each.
    void CloseAttribute();
    void CloseElement();
    // The name of the current element; empty while shared attributes are made.
    [[nodiscard]] std::string_view ElementName() const;
    [[nodiscard]] bool ElementUnderHtml5() const;

    HtmlKnowledgeBase& kb_;
    HtmlMetaElement* element_ = nullptr;
    HtmlMetaAttBase* attribute_ = nullptr;
    bool sharing_ = false;
    bool elementClosed_ = true;
    bool attributeClosed_ = true;
    AppearanceClass appearance_ = AppearanceClass::Body;
};

} // namespace velto
