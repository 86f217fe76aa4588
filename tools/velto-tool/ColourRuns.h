// The style runs of a colouring as velto-tool prints them.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string_view>

namespace velto::tool {

// The class a style byte stands for, "?" for none.
[[nodiscard]] inline std::string_view ClassName(std::uint8_t style) {
    return style < AppearanceClassCount ? AppearanceClasses[style].name : "?";
}

// Each run of one class as "START END CLASS" (byte offsets, END exclusive).
void PrintRun(std::size_t start, std::size_t end, std::uint8_t style, std::ostream& out);
void PrintRuns(std::span<const std::uint8_t> styles, std::ostream& out);

} // namespace velto::tool
