// The window placement record and its profile string.
#include "core/config/WindowPlacement.h"

#include "core/config/ScanNumbers.h"

#include <cstdio>

namespace velto {

std::string WPlacementObj::Format() const {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, showCommand, minX, minY,
                  maxX, maxY, left, top, right, bottom);
    return buf;
}

std::optional<WPlacementObj> WPlacementObj::Parse(std::string_view text) {
    std::int64_t n[10];
    if (ScanCommaSeparated(text, n, 10) != 10)
        return std::nullopt;
    WPlacementObj p;
    p.flags = static_cast<std::uint32_t>(n[0]);
    p.showCommand = static_cast<std::uint32_t>(n[1]);
    p.minX = static_cast<int>(n[2]);
    p.minY = static_cast<int>(n[3]);
    p.maxX = static_cast<int>(n[4]);
    p.maxY = static_cast<int>(n[5]);
    p.left = static_cast<int>(n[6]);
    p.top = static_cast<int>(n[7]);
    p.right = static_cast<int>(n[8]);
    p.bottom = static_cast<int>(n[9]);
    return p;
}

std::uint32_t WPlacementObj::RestoreShowCommand(bool startedMinimised) const {
    if (startedMinimised)
        return Minimised;
    return showCommand == Minimised ? static_cast<std::uint32_t>(Normal) : showCommand;
}

} // namespace velto
