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

} // namespace velto
