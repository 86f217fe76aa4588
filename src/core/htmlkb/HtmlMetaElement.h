// HtmlMetaElement: an element with its own attributes and the shared groups it offers.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"
#include "core/htmlkb/HtmlMeta.h"
#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/htmlkb/HtmlMetaAttShared.h"

#include <memory>
#include <vector>

namespace velto {

class HtmlTagEventClubs;
class HtmlTagEventHolder;

// Which attributes GetAttributes and ForEachAttribute visit.
enum class AttributeIteration : int {
    All = 0,        // the offered shared attributes, then the element's own
    SharedOnly = 1, // the offered shared attributes
    OwnOnly = 2,    // the element's own attributes
};

class HtmlMetaElement : public HtmlMeta {
public:
    HtmlMetaElement(const HtmlKnowledgeBase& kb, std::uint32_t serial, const MetaTexts& texts,
                    std::uint32_t versions, std::uint32_t elementClass, AppearanceClass appearance,
                    const HtmlTagEventClubs* clubs);

    [[nodiscard]] bool HasUsableAttributes() const override;
    [[nodiscard]] bool HasAllowedAttributes() const override;

    void SetSharedSelect(std::uint32_t word) noexcept { sharedSelect_ = word; }
    [[nodiscard]] std::uint32_t GetSharedSelect() const noexcept { return sharedSelect_; }
    [[nodiscard]] AppearanceClass Appearance() const noexcept { return appearance_; }
    // The event table the element's holder names its events from (none before the
    // events were built).
    [[nodiscard]] const HtmlTagEventClubs* EventClubs() const noexcept { return clubs_; }

    // Appends an attribute or the event holder to the element's own list.
    void AddAttribute(std::unique_ptr<HtmlMetaAttBase> attribute);
    [[nodiscard]] const std::vector<std::unique_ptr<HtmlMetaAttBase>>& OwnAttributes() const {
        return attributes_;
    }
    // The event holder, last of the own attributes, or none.
    [[nodiscard]] const HtmlTagEventHolder* EventHolder() const;

    // Calls visit(attribute) in iteration order until it returns false.
    template <class Visit> void ForEachAttribute(AttributeIteration mode, Visit&& visit) const {
        if (mode != AttributeIteration::OwnOnly)
            for (const HtmlMetaAttShared* shared : SharedAttributes())
                if (shared->IsOfferedOn(sharedSelect_) && !visit(*shared))
                    return;
        if (mode != AttributeIteration::SharedOnly)
            for (const auto& own : attributes_)
                if (!visit(*own))
                    return;
    }
    [[nodiscard]] std::vector<const HtmlMetaAttBase*> GetAttributes(AttributeIteration mode) const;

    // The first attribute in the full iteration whose name in this terminology equals name
    // without regard to case, or none.
    [[nodiscard]] const HtmlMetaAttBase* FindAttribute(std::string_view name,
                                                       NameMode mode = NameMode::HtmlTag) const;

private:
    [[nodiscard]] std::span<const HtmlMetaAttShared* const> SharedAttributes() const;

    std::vector<std::unique_ptr<HtmlMetaAttBase>> attributes_;
    std::uint32_t sharedSelect_ = 0;
    AppearanceClass appearance_;
    const HtmlTagEventClubs* clubs_;
};

} // namespace velto
