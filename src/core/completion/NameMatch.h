// How a name matches the letters typed so far.
#pragma once

#include <string_view>

namespace velto {

// The group a name falls in for what was typed, better first: 0 it begins with the typed
// text, 1 it holds it, 2 it holds the typed letters in their order; -1 none of these. ASCII
// letters match without regard to case; with caseFirst, a name that begins with the typed
// text in the same case comes before one that does in another case (the groups are then
// one higher, from 1). Nothing typed matches everything in group 0.
[[nodiscard]] int MatchGroup(std::string_view name, std::string_view typed,
                             bool caseFirst = false) noexcept;

} // namespace velto
