// The appearance classes, in their fixed order, with their default colours: the fourteen
// tag classes, then the classes of what lies inside a page (attribute values, character
// references, style sheets and scripts). They live with the knowledge base, which gives
// every element its class; the colouring engine above it gives each class its format.
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
    // Appended after the fourteen tag classes, so that stored settings keep their order.
    AttributeValue,
    CharacterReference,
    CssComment,
    CssSelector,
    CssKeyword, // at-rules and !important
    CssProperty,
    CssValue,
    CssNumber,
    CssColour,
    CssString,
    ScriptIdentifier,
    ScriptComment,
    ScriptString,
    ScriptRegex,
    ScriptNumber,
    ScriptKeyword,
};

// The tag classes that elements can have.
inline constexpr std::size_t TagAppearanceClassCount = 14;
// Every class; styles are numbered by class, and the text control keeps the numbers from
// 32 on for its own use.
inline constexpr std::size_t AppearanceClassCount = 30;
static_assert(AppearanceClassCount <= 32);

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
    {"Attribute Value", Rgb(176, 80, 0)},
    {"Character Reference", Rgb(0, 128, 128)},
    {"CSS Comment", Rgb(128, 128, 128)},
    {"CSS Selector", Rgb(128, 0, 0)},
    {"CSS Keyword", Rgb(160, 0, 160)},
    {"CSS Property", Rgb(0, 0, 192)},
    {"CSS Value", Rgb(0, 96, 128)},
    {"CSS Number", Rgb(9, 134, 88)},
    {"CSS Colour", Rgb(200, 100, 0)},
    {"CSS String", Rgb(163, 21, 21)},
    {"Script Identifier", Rgb(0, 16, 128)},
    {"Script Comment", Rgb(128, 128, 128)},
    {"Script String", Rgb(163, 21, 21)},
    {"Script Regex", Rgb(129, 31, 63)},
    {"Script Number", Rgb(9, 134, 88)},
    {"Script Keyword", Rgb(0, 0, 255)},
}};

static_assert(static_cast<std::size_t>(AppearanceClass::ScriptKeyword) + 1 == AppearanceClassCount);

constexpr const AppearanceClassInfo& InfoOf(AppearanceClass c) {
    return AppearanceClasses[static_cast<std::size_t>(c)];
}

// How text is coloured: all in the "Text" format, or tags by the class of their element.
enum class ColourMode : int {
    Plain = 1,
    Tags = 2,
};

} // namespace velto
