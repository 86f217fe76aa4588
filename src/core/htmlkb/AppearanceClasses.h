// The fourteen tag appearance classes, in their fixed order, with their default colours.
// They live with the knowledge base, which gives every element its class; the colouring
// engine above it gives each class its character format.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velto {

enum class AppearanceClass : std::uint8_t {
    Text,
    Body,
    Disabled,
    UnknownOrError,
    Head,
    StructureLayout,
    List,
    Table,
    Form,
    Style,
    Meaning,
    AnchorTag,
    EmbedProgrammatic,
    Comment,
};

inline constexpr std::size_t AppearanceClassCount = 14;

struct AppearanceClassInfo {
    std::string_view name;
    std::uint32_t defaultColour; // 0x00BBGGRR
};

constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

inline constexpr std::array<AppearanceClassInfo, AppearanceClassCount> AppearanceClasses = {{
    {"Text", Rgb(0, 0, 0)},
    {"Body", Rgb(0, 128, 0)},
    {"Disabled", Rgb(255, 0, 0)},
    {"Unknown or Error", Rgb(255, 0, 0)},
    {"Head", Rgb(0, 128, 0)},
    {"Structure/Layout", Rgb(255, 0, 255)},
    {"List", Rgb(0, 128, 0)},
    {"Table", Rgb(128, 0, 128)},
    {"Form", Rgb(0, 0, 128)},
    {"Style", Rgb(0, 128, 0)},
    {"Meaning", Rgb(0, 128, 0)},
    {"Anchor Tag", Rgb(0, 0, 255)},
    {"Embed/Programmatic", Rgb(128, 128, 0)},
    {"Comment", Rgb(128, 128, 128)},
}};

constexpr const AppearanceClassInfo& InfoOf(AppearanceClass c) {
    return AppearanceClasses[static_cast<std::size_t>(c)];
}

// How text is coloured: all in the "Text" format, or tags by the class of their element.
enum class ColourMode : int {
    Plain = 1,
    Tags = 2,
};

} // namespace velto
