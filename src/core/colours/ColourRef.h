// ColourRef: a colour as a 32-bit red-green-blue word, red in the low byte.
#pragma once

#include <cstdint>

namespace velto {

// 0x00BBGGRR. The value NoColour stands for "not a colour" (a text that could not be read).
using ColourRef = std::uint32_t;
inline constexpr ColourRef NoColour = 0xFFFFFFFF;

[[nodiscard]] constexpr ColourRef MakeColour(std::uint8_t red, std::uint8_t green,
                                             std::uint8_t blue) noexcept {
    return static_cast<ColourRef>(red) | static_cast<ColourRef>(green) << 8 |
           static_cast<ColourRef>(blue) << 16;
}
[[nodiscard]] constexpr std::uint8_t RedOf(ColourRef c) noexcept {
    return c & 0xFF;
}
[[nodiscard]] constexpr std::uint8_t GreenOf(ColourRef c) noexcept {
    return (c >> 8) & 0xFF;
}
[[nodiscard]] constexpr std::uint8_t BlueOf(ColourRef c) noexcept {
    return (c >> 16) & 0xFF;
}

} // namespace velto
