// The sixteen named HTML colours, in the order colour menus list them.
#pragma once

#include "core/colours/ColourRef.h"

#include <span>
#include <string_view>

namespace velto {

struct NamedColour {
    int index; // the colour's number in the sixteen-colour palette
    ColourRef colour;
    std::string_view name; // as written into documents, e.g. "Navy"
};

// White, Silver, Gray, Black, Red, Yellow, Lime, Blue, Aqua, Fuchsia, Maroon, Olive,
// Green, Navy, Teal, Purple.
[[nodiscard]] std::span<const NamedColour> NamedColours() noexcept;

// The table name of a colour, or an empty view when no named colour has that value.
[[nodiscard]] std::string_view ColourName(ColourRef colour) noexcept;
// The colour of a table name, compared ignoring case; NoColour for any other text.
[[nodiscard]] ColourRef ColourOfName(std::string_view name) noexcept;

} // namespace velto
