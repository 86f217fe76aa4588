// The named character references of HTML (&amp; and the like): names, code points and the
// versions that define each, with a lookup by name.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
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

// The name to write a character as ("eacute" for U+00E9, "euro" for U+20AC) among the
// references that the versions accepted by `allowed` define, or empty when none of them
// names it. Of several names for one character the oldest form wins (the Latin-1 names
// that browsers read even without ';'), then the shortest, then the lower-case one.
[[nodiscard]] std::string_view PreferredReferenceName(char32_t ch,
                                                      const std::function<bool(std::uint32_t)>& allowed);

} // namespace velto
