// Restoring the main window's saved placement.
#include "core/app/MainWindowPlacement.h"

#include <algorithm>

namespace velto {

namespace {
// The band at the top of the window that must be on a screen for it to be grabbed and
// moved: its title bar, and how much of that must show.
constexpr int TitleBandHeight = 30;
constexpr int GrabbableWidth = 100;

PlacementRect Intersection(const PlacementRect& a, const PlacementRect& b) {
    PlacementRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
    if (r.right <= r.left || r.bottom <= r.top)
        return {};
    return r;
}

long long Area(const PlacementRect& r) {
    return static_cast<long long>(r.Width()) * r.Height();
}

// Whether the window can be reached where it is: its title band shows on a screen wide
// enough to grab, and most of it shows at all (screens do not overlap).
bool Reachable(const PlacementRect& window, const std::vector<PlacementRect>& screens) {
    const PlacementRect band{window.left, window.top, window.right, window.top + TitleBandHeight};
    const int grabbable = std::min(GrabbableWidth, window.Width());
    bool titleShows = false;
    long long shown = 0;
    for (const PlacementRect& s : screens) {
        titleShows = titleShows || Intersection(band, s).Width() >= grabbable;
        shown += Area(Intersection(window, s));
    }
    return titleShows && 2 * shown > Area(window);
}

// How far apart two rectangles are (0 when they touch or overlap), squared.
long long Distance(const PlacementRect& a, const PlacementRect& b) {
    const long long dx = std::max({0, b.left - a.right, a.left - b.right});
    const long long dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

// The window moved the least way onto the screen nearest to it, at its size where the
// screen is large enough.
PlacementRect MovedOnto(const PlacementRect& window, const std::vector<PlacementRect>& screens) {
    const PlacementRect& s =
        *std::min_element(screens.begin(), screens.end(), [&](const auto& a, const auto& b) {
            return Distance(window, a) < Distance(window, b);
        });
    const int w = std::min(window.Width(), std::max(s.Width(), MinimumRestoredSize));
    const int h = std::min(window.Height(), std::max(s.Height(), MinimumRestoredSize));
    const int left = std::clamp(window.left, s.left, std::max(s.left, s.right - w));
    const int top = std::clamp(window.top, s.top, std::max(s.top, s.bottom - h));
    return {left, top, left + w, top + h};
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
    if (plan.showCommand != WPlacementObj::Minimised &&
        plan.showCommand != WPlacementObj::Maximised)
        plan.showCommand = WPlacementObj::Normal;
    // Numbers near the ends of the range would overflow the width; such a rectangle is
    // no placement anyone saved.
    constexpr int Limit = 1 << 24;
    auto sane = [](int v) { return v > -Limit && v < Limit; };
    if (!sane(placement->left) || !sane(placement->top) || !sane(placement->right) ||
        !sane(placement->bottom))
        return std::nullopt;
    plan.normal =
        AtLeastMinimum({placement->left, placement->top, placement->right, placement->bottom});
    if (!screens.empty() && !Reachable(plan.normal, screens))
        plan.normal = MovedOnto(plan.normal, screens);
    return plan;
}

} // namespace velto
