// Restoring the main window's saved placement: which rectangle and show command to use.
#pragma once

#include "core/config/WindowPlacement.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velto {

struct PlacementRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    [[nodiscard]] int Width() const noexcept { return right - left; }
    [[nodiscard]] int Height() const noexcept { return bottom - top; }
    bool operator==(const PlacementRect&) const = default;
};

struct PlacementPlan {
    PlacementRect normal;      // the restored (not maximised) rectangle
    std::uint32_t showCommand; // WPlacementObj::Normal, Minimised or Maximised
};

// The key of the placement in "Settings", and the name the bar layout is kept under.
inline constexpr const char* MainWindowKey = "MainWindow";
// The smallest restored window; a saved rectangle smaller than this is widened.
inline constexpr int MinimumRestoredSize = 200;

// What to restore from the saved text: nothing when it does not give ten numbers (the
// window then opens at its default size). A minimised window comes back normal unless the
// program was started minimised; a hidden or unknown show command comes back normal, so
// the window can never restore invisible. A tiny rectangle is widened; one whose title bar
// or most of whose area lies off every screen is moved onto the nearest screen, at its
// size as far as the screen allows.
[[nodiscard]] std::optional<PlacementPlan>
PlanPlacementRestore(std::string_view saved, bool startedMinimised,
                     const std::vector<PlacementRect>& screens);

} // namespace velto
