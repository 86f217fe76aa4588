// The named character references of HTML ("&amp;", "&eacute;"...) and their lookups.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velto {

namespace CharacterReferenceFlags {
// A browser reads the name even without its ';' ("&copy 2024"), for old pages' sake.
constexpr std::uint8_t Legacy = 0x1;
// One of the 252 references of HTML 4.01.
constexpr std::uint8_t Html4 = 0x2;
} // namespace CharacterReferenceFlags

struct CharacterReference {
    std::string_view name; // without '&' and ';', in its own letter case
    char32_t first;        // the character it stands for
    char32_t second;       // a second character for the few that stand for two, else 0
    std::uint8_t flags;
};

inline constexpr std::size_t MaxLegacyReferenceLength = 6;

// Every reference, sorted by name in byte order.
[[nodiscard]] std::span<const CharacterReference> CharacterReferences() noexcept;
// The reference of exactly this name (letter case counts: "&Eacute;" is not "&eacute;").
[[nodiscard]] const CharacterReference* FindCharacterReference(std::string_view name) noexcept;
// The longest reference that a browser reads without ';' at the start of text ("copy" in
// "copy2024"), or none.
[[nodiscard]] const CharacterReference* LongestLegacyReference(std::string_view text) noexcept;

} // namespace velto
