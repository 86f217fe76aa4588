// A logical font with a colour, and its profile string "%lu,%d,%d,%d,%d,%d,%d,%d,face".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

struct FontObject {
    static constexpr std::size_t MaxFaceName = 31;

    std::uint32_t colour = 0; // 0x00BBGGRR
    int height = 0;
    int weight = 400;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    int charSet = 1;
    int pitchAndFamily = 0;
    std::string faceName;

    [[nodiscard]] std::string Format() const;
    // Eight numbers and then the face name after the last comma; a value with fewer
    // numbers gives nothing. The face keeps at most 31 characters.
    [[nodiscard]] static std::optional<FontObject> Parse(std::string_view text);

    bool operator==(const FontObject&) const = default;
};

} // namespace velto
