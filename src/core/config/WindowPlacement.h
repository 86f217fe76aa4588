// The window placement record and its profile string "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

struct WPlacementObj {
    enum ShowCommand : std::uint32_t { Hidden = 0, Normal = 1, Minimised = 2, Maximised = 3 };

    std::uint32_t flags = 0;
    std::uint32_t showCommand = Normal;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0; // the normal (restored) rectangle

    [[nodiscard]] std::string Format() const;
    // All ten numbers must be read; anything less gives nothing.
    [[nodiscard]] static std::optional<WPlacementObj> Parse(std::string_view text);

    // The show command to restore with: a minimised window comes back normal unless the
    // program itself was started minimised.
    [[nodiscard]] std::uint32_t RestoreShowCommand(bool startedMinimised) const;

    bool operator==(const WPlacementObj&) const = default;
};

} // namespace velto
