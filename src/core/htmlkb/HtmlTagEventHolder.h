// HtmlTagEventHolder: the "E&vent Handlers" pseudo-attribute with an element's event sets.
#pragma once

#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/htmlkb/HtmlTagEventClubs.h"

#include <vector>

namespace velto {

// An event add that carried a text of its own.
struct HtmlTagEventMsg {
    std::uint32_t versions = 0;
    std::uint32_t mask = 0;
    std::string text;
};

class HtmlTagEventHolder : public HtmlMetaAttBase {
public:
    static constexpr std::string_view HolderNameText = "E&vent Handlers";
    static constexpr std::string_view HolderDescription =
        "Specify scripting event handler(s) for this element";

    HtmlTagEventHolder(const HtmlKnowledgeBase& kb, std::uint32_t serial,
                       const HtmlTagEventClubs& clubs);

    [[nodiscard]] bool HasEnumValues() const override { return true; }
    [[nodiscard]] bool IsEventHolder() const override { return true; }

    // Adds the events of mask under exactly these versions (one club set per version mask);
    // a non-empty text is also kept as an event message.
    void AddEvents(std::uint32_t versions, std::uint32_t mask, std::string_view text = {});

    // The events offered under the current version selection: group 0 then group 1, bits
    // upward, each event once, from the club sets that the selection allows.
    [[nodiscard]] std::vector<const HtmlTagEvent*> EnumerateEvents() const;

    [[nodiscard]] const std::vector<HtmlTagEventClubSet>& ClubSets() const noexcept {
        return clubSets_;
    }
    [[nodiscard]] const std::vector<HtmlTagEventMsg>& Messages() const noexcept {
        return messages_;
    }
    [[nodiscard]] const HtmlTagEventClubs& Clubs() const noexcept { return *clubs_; }

private:
    const HtmlTagEventClubs* clubs_;
    std::vector<HtmlTagEventClubSet> clubSets_;
    std::vector<HtmlTagEventMsg> messages_;
};

} // namespace velto
