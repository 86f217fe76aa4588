// Conversions between colours and their text forms ("#rrggbb" or a colour name).
#pragma once

#include "core/colours/ColourRef.h"

#include <string>
#include <string_view>

namespace velto {

// Reads a colour from an attribute value. With names allowed, a colour name (any case)
// gives its colour. Otherwise one leading '#' is dropped and a hexadecimal number RRGGBB
// is read the way a "%x" conversion reads it: leading blanks, a sign and a "0x" prefix are
// accepted and reading stops at the first byte that is not a hexadecimal digit. NoColour
// when no digit can be read or the number does not fit in 24 bits.
[[nodiscard]] ColourRef ColourFromText(std::string_view text, bool namesAllowed = true) noexcept;

// Writes a colour: its name when names are used and it has one, else "#rrggbb" in lower
// case. NoColour gives an empty text.
[[nodiscard]] std::string TextFromColour(ColourRef colour, bool useNames);

} // namespace velto
