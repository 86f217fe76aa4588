// Restoring the main window's saved placement.
#include "core/app/MainWindowPlacement.h"

#include <algorithm>

namespace velto {

namespace {
bool Intersects(const PlacementRect& a, const PlacementRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Widens a rectangle to the minimum size, keeping its top-left corner.
PlacementRect AtLeastMinimum(PlacementRect r) {
    if (r.Width() < MinimumRestoredSize)
        r.right = r.left + MinimumRestoredSize;
    if (r.Height() < MinimumRestoredSize)
        r.bottom = r.top + MinimumRestoredSize;
    return r;
}
} // namespace

std::optional<PlacementPlan> PlanPlacementRestore(std::string_view saved, bool startedMinimised,
                                                  const std::vector<PlacementRect>& screens) {
    const std::optional<WPlacementObj> placement = WPlacementObj::Parse(saved);
    if (!placement)
        return std::nullopt;
    PlacementPlan plan;
    plan.showCommand = placement->RestoreShowCommand(startedMinimised);
    if (plan.showCommand != WPlacementObj::Minimised && plan.showCommand != WPlacementObj::Maximised)
        plan.showCommand = WPlacementObj::Normal;
    // Numbers near the ends of the range would overflow the width; such a rectangle is
    // no placement anyone saved.
    constexpr int Limit = 1 << 24;
    auto sane = [](int v) { return v > -Limit && v < Limit; };
    if (!sane(placement->left) || !sane(placement->top) || !sane(placement->right) ||
        !sane(placement->bottom))
        return std::nullopt;
    plan.normal = AtLeastMinimum(
        {placement->left, placement->top, placement->right, placement->bottom});
    if (!screens.empty() &&
        std::none_of(screens.begin(), screens.end(),
                     [&](const PlacementRect& s) { return Intersects(plan.normal, s); })) {
        const PlacementRect& first = screens.front();
        const int w = std::min(plan.normal.Width(), std::max(first.Width(), MinimumRestoredSize));
        const int h = std::min(plan.normal.Height(), std::max(first.Height(), MinimumRestoredSize));
        plan.normal = {first.left, first.top, first.left + w, first.top + h};
    }
    return plan;
}

} // namespace velto
