// HtmlTagEventClubs: the table of scripting events, five groups of 28 slots.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velto {

// One scripting event; an unused slot holds an empty one (id 0, empty texts).
struct HtmlTagEvent {
    std::uint32_t id = 0;
    std::string name;
    std::string description;

    [[nodiscard]] bool IsEmpty() const noexcept { return id == 0; }
};

// The events of one element under one version mask: an event mask per group slot.
struct HtmlTagEventClubSet {
    static constexpr std::size_t SlotCount = 6;
    std::uint32_t versions = 0;
    std::array<std::uint32_t, SlotCount> masks{};
};

// The event masks of the contents: the top nibble names the group slot, the low 28 bits
// the events. Groups 0 and 1 hold the events of HTML 4.0 and the browsers; groups 2 to 4
// the event handlers that the living standard added: those of every element, those of
// media and a few others, and those of the window that BODY carries.
namespace EventMask {
constexpr std::uint32_t Group0 = 0x30000000;
constexpr std::uint32_t Group1 = 0x50000000;
constexpr std::uint32_t Group2 = 0x60000000;
constexpr std::uint32_t Group3 = 0x90000000;
constexpr std::uint32_t Group4 = 0xa0000000;
constexpr std::uint32_t EventBits = 0x0fffffff;
} // namespace EventMask

class HtmlTagEventClubs {
public:
    static constexpr std::size_t GroupCount = 5;
    static constexpr std::size_t SlotsPerGroup = 28;

    HtmlTagEventClubs();

    // The event of a group and a bit position (bit hex 1 is position 0).
    [[nodiscard]] const HtmlTagEvent& Event(std::size_t group, std::size_t position) const;
    // The event of that name (exact), or none.
    [[nodiscard]] const HtmlTagEvent* FindEvent(std::string_view name) const;
    // The club set slot of an event mask, from its top nibble.
    [[nodiscard]] static std::size_t SlotOfMask(std::uint32_t mask) noexcept;
    // The top nibble of the masks of a group, as a mask word (Group0 for group 0...); a
    // group is read from the club set slot of the same number.
    [[nodiscard]] static std::uint32_t NibbleOfGroup(std::size_t group) noexcept;

private:
    void Define(std::size_t group, std::uint32_t bit, const char* name, const char* description);

    std::array<HtmlTagEvent, GroupCount * SlotsPerGroup> events_;
    HtmlTagEvent empty_;
};

} // namespace velto
