// Fuzzes the colour reader: any text gives a 24-bit colour or none, and every colour it
// gives is written back to a text that reads as the same colour.
#include "core/colours/ColourText.h"
#include "core/colours/NamedColours.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velto;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool names : {false, true}) {
        const ColourRef colour = ColourFromText(text, names);
        if (colour == NoColour)
            continue;
        if ((colour & 0xFF000000u) != 0)
            std::abort();
        if (ColourFromText(TextFromColour(colour, names), names) != colour)
            std::abort();
        if (ColourFromText(TextFromColour(colour, false), false) != colour)
            std::abort();
    }
    const ColourRef named = ColourOfName(text);
    if (named != NoColour && ColourName(named).size() != size)
        std::abort();
    return 0;
}
