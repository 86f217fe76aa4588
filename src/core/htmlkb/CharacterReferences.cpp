// Looking up a named character reference.
#include "core/htmlkb/CharacterReferences.h"

#include <algorithm>

namespace velto {

const CharacterReference* FindCharacterReference(std::string_view name) noexcept {
    const auto it = std::lower_bound(
        CharacterReferences.begin(), CharacterReferences.end(), name,
        [](const CharacterReference& r, std::string_view n) { return r.name < n; });
    return it != CharacterReferences.end() && it->name == name ? &*it : nullptr;
}

std::string_view PreferredReferenceName(char32_t ch, const std::function<bool(std::uint32_t)>& allowed) {
    const CharacterReference* best = nullptr;
    const auto better = [](const CharacterReference& a, const CharacterReference& b) {
        if (a.withoutSemicolon != b.withoutSemicolon)
            return a.withoutSemicolon;
        if (a.name.size() != b.name.size())
            return a.name.size() < b.name.size();
        // "amp" rather than its shouted twin "AMP".
        const auto lowerFirst = [](std::string_view n) { return n.front() >= 'a' && n.front() <= 'z'; };
        return lowerFirst(a.name) && !lowerFirst(b.name);
    };
    for (const CharacterReference& r : CharacterReferences)
        if (r.first == ch && r.second == 0 && allowed(r.versions) && (!best || better(r, *best)))
            best = &r;
    return best ? best->name : std::string_view();
}

} // namespace velto
