// HtmlMetaAttShared: an attribute defined once and offered on many elements.
#pragma once

#include "core/htmlkb/HtmlMetaAtt.h"

namespace velto {

// Group words of the shared attributes, and the element's select bits that pick them.
namespace SharedGroup {
constexpr std::uint32_t Core = 0x101;     // STYLE, CLASS, ID, TITLE
constexpr std::uint32_t Language = 0x201; // LANG, DIR
// The globals of the living standard: offered wherever either group above is.
constexpr std::uint32_t Global = 0x301;
// Refusal bits: an element with an own attribute of a global's name refuses that global.
constexpr std::uint32_t RefuseAccessKey = 0x100000;
constexpr std::uint32_t RefuseTabIndex = 0x200000;
constexpr std::uint32_t RefuseHidden = 0x400000;
constexpr std::uint32_t RefuseAutofocus = 0x800000;
constexpr std::uint32_t Default = 0x1;    // offered unless the element says otherwise
constexpr std::uint32_t SelectOnly = 0x2; // the element offers only the groups it names
constexpr std::uint32_t OfferMask = 0xfff00;
constexpr std::uint32_t RefuseMask = 0xfff00000;
} // namespace SharedGroup

class HtmlMetaAttShared : public HtmlMetaAtt {
public:
    HtmlMetaAttShared(const HtmlKnowledgeBase& kb, std::uint32_t serial, const MetaTexts& texts,
                      std::uint32_t versions, std::uint32_t kindFlags, std::uint32_t group)
        : HtmlMetaAtt(kb, serial, texts, versions, kindFlags), group_(group) {}

    [[nodiscard]] bool IsShared() const override { return true; }
    [[nodiscard]] std::uint32_t Group() const noexcept { return group_; }
    // Whether an element with this shared select word offers the attribute.
    [[nodiscard]] bool IsOfferedOn(std::uint32_t sharedSelect) const noexcept {
        const std::uint32_t both = group_ & sharedSelect;
        const bool picked = ((group_ & SharedGroup::Default) != 0 &&
                             (sharedSelect & SharedGroup::SelectOnly) == 0) ||
                            (both & SharedGroup::OfferMask) != 0;
        return picked && (both & SharedGroup::RefuseMask) == 0;
    }

private:
    std::uint32_t group_;
};

} // namespace velto
