// How a character the page's encoding cannot hold is written instead: as a character
// reference, named where the selected HTML versions have a name for it.
#pragma once

#include "core/encoding/Codec.h"

#include <functional>
#include <string>
#include <string_view>

namespace velto {

// "&#8364;": the character's number in decimal.
[[nodiscard]] std::string NumericReference(char32_t ch);

// The name of a character's reference ("euro") in the selected HTML versions, or empty.
using ReferenceNamer = std::function<std::string_view(char32_t)>;

// Writes "&name;" where the namer has a name, "&#number;" otherwise.
[[nodiscard]] ReferenceWriter MakeReferenceWriter(ReferenceNamer namer = {});

} // namespace velto
