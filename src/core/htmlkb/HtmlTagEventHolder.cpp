// HtmlTagEventHolder: collecting an element's event sets and listing the offered events.
#include "core/htmlkb/HtmlTagEventHolder.h"

#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>

namespace velto {

HtmlTagEventHolder::HtmlTagEventHolder(const HtmlKnowledgeBase& kb, std::uint32_t serial,
                                       const HtmlTagEventClubs& clubs)
    : HtmlMetaAttBase(kb, serial, MetaTexts{HolderNameText, {}, {}, HolderDescription}, 0xfffffff,
                      AttKind::EventHolderWord),
      clubs_(&clubs) {}

void HtmlTagEventHolder::AddEvents(std::uint32_t versions, std::uint32_t mask,
                                   std::string_view text) {
    auto set = std::find_if(clubSets_.begin(), clubSets_.end(),
                            [&](const HtmlTagEventClubSet& s) { return s.versions == versions; });
    if (set == clubSets_.end()) {
        clubSets_.push_back(HtmlTagEventClubSet{versions, {}});
        set = clubSets_.end() - 1;
    }
    set->masks[HtmlTagEventClubs::SlotOfMask(mask)] |= mask & EventMask::EventBits;
    if (!text.empty())
        messages_.push_back(HtmlTagEventMsg{versions, mask, std::string(text)});
}

std::vector<const HtmlTagEvent*> HtmlTagEventHolder::EnumerateEvents() const {
    // The masks of the allowed club sets together give every offered event exactly once.
    std::array<std::uint32_t, HtmlTagEventClubs::GroupCount> offered{};
    for (const HtmlTagEventClubSet& set : clubSets_)
        if (KnowledgeBase().IsAllowed(set.versions))
            for (std::size_t g = 0; g < offered.size(); ++g)
                offered[g] |= set.masks[g];

    std::vector<const HtmlTagEvent*> events;
    for (std::size_t g = 0; g < offered.size(); ++g) {
        for (std::size_t pos = 0; pos < HtmlTagEventClubs::SlotsPerGroup; ++pos) {
            if ((offered[g] >> pos & 1u) == 0)
                continue;
            const HtmlTagEvent& e = clubs_->Event(g, pos);
            if (!e.IsEmpty())
                events.push_back(&e);
        }
    }
    return events;
}

} // namespace velto
