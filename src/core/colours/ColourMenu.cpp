// The colours a colour attribute's menu offers.
#include "core/colours/ColourMenu.h"

#include "core/colours/CCustomColours.h"
#include "core/colours/NamedColours.h"

namespace velto {

ColourMenuEntries MakeColourMenuEntries(const CCustomColours* customColours, bool userColours,
                                        bool vgaColours) {
    ColourMenuEntries entries;
    if (userColours && customColours)
        for (int i = 0; i < customColours->ActiveCount(); ++i) {
            const CustomColourEntry& e = customColours->Entry(i);
            if (!e.name.empty())
                entries.custom.push_back({e.name, e.colour});
        }
    if (vgaColours)
        for (const NamedColour& c : NamedColours())
            entries.named.push_back({std::string(c.name), c.colour});
    return entries;
}

} // namespace velto
