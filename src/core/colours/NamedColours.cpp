// The sixteen named HTML colours, in the order colour menus list them.
#include "core/colours/NamedColours.h"

#include <array>

namespace velto {

namespace {
constexpr std::array<NamedColour, 16> Table{{
    {7, MakeColour(255, 255, 255), "White"},
    {24, MakeColour(192, 192, 192), "Silver"},
    {8, MakeColour(128, 128, 128), "Gray"},
    {0, MakeColour(0, 0, 0), "Black"},
    {1, MakeColour(255, 0, 0), "Red"},
    {3, MakeColour(255, 255, 0), "Yellow"},
    {2, MakeColour(0, 255, 0), "Lime"},
    {4, MakeColour(0, 0, 255), "Blue"},
    {6, MakeColour(0, 255, 255), "Aqua"},
    {5, MakeColour(255, 0, 255), "Fuchsia"},
    {18, MakeColour(128, 0, 0), "Maroon"},
    {25, MakeColour(128, 128, 0), "Olive"},
    {19, MakeColour(0, 128, 0), "Green"},
    {21, MakeColour(0, 0, 128), "Navy"},
    {23, MakeColour(0, 128, 128), "Teal"},
    {22, MakeColour(128, 0, 128), "Purple"},
}};

constexpr char LowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}
} // namespace

std::span<const NamedColour> NamedColours() noexcept {
    return Table;
}

std::string_view ColourName(ColourRef colour) noexcept {
    for (const NamedColour& c : Table)
        if (c.colour == colour)
            return c.name;
    return {};
}

ColourRef ColourOfName(std::string_view name) noexcept {
    for (const NamedColour& c : Table)
        if (EqualsIgnoringCase(c.name, name))
            return c.colour;
    return NoColour;
}

} // namespace velto
