// ElementIndex: a case-insensitive hash index from element names to positions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

// Built once; a lookup upper-cases the name into a stack buffer and probes an open
// addressing table, so it never allocates.
class ElementIndex {
public:
    static constexpr std::size_t MaxNameLength = 72;
    static constexpr std::uint32_t None = UINT32_MAX;

    // Fills the index from the names, each found at its position; a repeated name keeps
    // its first position.
    void Build(const std::vector<std::string_view>& names);
    // The position of the name, compared without regard to case, or None.
    [[nodiscard]] std::uint32_t Find(std::string_view name) const noexcept;

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = None;
    };
    static std::uint32_t Hash(std::string_view upperName) noexcept;

    std::vector<std::string> keys_; // upper-cased, by position
    std::vector<Slot> slots_;       // a power of two, at most half full
};

} // namespace velto
