// The named character references of HTML (&amp; and the like): names, code points and the
// versions that define each, with a lookup by name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velto {

struct CharacterReference {
    std::string_view name;  // without the '&' and the ';'
    char32_t first;         // the code point it stands for
    char32_t second;        // a second code point for the few that stand for two, else 0
    std::uint32_t versions; // VersionBits of the versions that define it
    bool withoutSemicolon;  // also recognised without the ';' (the old Latin-1 names)
};

inline constexpr std::size_t CharacterReferenceCount = 2125;
// Sorted by name in byte order (names are case-sensitive: &Auml; and &auml; differ).
extern const std::array<CharacterReference, CharacterReferenceCount> CharacterReferences;

// The longest name, so that a scanner knows how far a name can reach.
inline constexpr std::size_t MaxCharacterReferenceName = 31;

// The reference of that exact name, or none.
[[nodiscard]] const CharacterReference* FindCharacterReference(std::string_view name) noexcept;

} // namespace velto
