// The colours a colour attribute's menu offers: the user's named custom colours, then the
// sixteen named colours.
#pragma once

#include "core/colours/ColourRef.h"

#include <string>
#include <vector>

namespace velto {

class CCustomColours;

struct ColourMenuEntry {
    std::string name;
    ColourRef colour = 0;
};

struct ColourMenuEntries {
    // The active custom colours that have a name (when userColours is on).
    std::vector<ColourMenuEntry> custom;
    // The sixteen named colours in table order (when vgaColours is on).
    std::vector<ColourMenuEntry> named;
};

[[nodiscard]] ColourMenuEntries MakeColourMenuEntries(const CCustomColours* customColours,
                                                      bool userColours, bool vgaColours);

} // namespace velto
