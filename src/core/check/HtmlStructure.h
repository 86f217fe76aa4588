// How HTML's parser treats each element: empty ones, optional end tags, the elements whose
// start ends an open paragraph, scope boundaries, raw text, text-level and block elements.
// These are facts of the language that the knowledge base does not carry.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velto {

namespace Trait {
constexpr std::uint32_t Void = 1u << 0;            // no content and no end tag (BR, IMG)
constexpr std::uint32_t OptionalEnd = 1u << 1;     // the end tag may be left out (P, LI, TD)
constexpr std::uint32_t Special = 1u << 2;         // an end tag of another name stops at it
constexpr std::uint32_t Formatting = 1u << 3;      // reopened by browsers when misnested (B, A)
constexpr std::uint32_t ClosesParagraph = 1u << 4; // its start tag ends an open P
constexpr std::uint32_t Heading = 1u << 5;
constexpr std::uint32_t Scope = 1u << 6;         // bounds the search for an open element
constexpr std::uint32_t ListScope = 1u << 7;     // bounds it for LI as well (OL, UL)
constexpr std::uint32_t ButtonScope = 1u << 8;   // bounds it for P as well (BUTTON)
constexpr std::uint32_t TableScope = 1u << 9;    // bounds it for table parts (TABLE, HTML)
constexpr std::uint32_t ImpliedEnd = 1u << 10;   // closed without a word when a parent closes
constexpr std::uint32_t RawText = 1u << 11;      // contents are text up to the end tag
constexpr std::uint32_t RcData = 1u << 12;       // the same, with character references
constexpr std::uint32_t PlainText = 1u << 13;    // everything after it is text
constexpr std::uint32_t HeadContent = 1u << 14;  // may stand in HEAD
constexpr std::uint32_t Phrasing = 1u << 15;     // holds text-level content only
constexpr std::uint32_t Block = 1u << 16;        // may not stand in a text-level element
constexpr std::uint32_t ForeignRoot = 1u << 17;  // SVG, MATH: their own vocabulary inside
constexpr std::uint32_t Breakout = 1u << 18;     // its start tag ends SVG or MathML content
constexpr std::uint32_t TableSection = 1u << 19; // TBODY, THEAD, TFOOT
constexpr std::uint32_t Cell = 1u << 20;         // TD, TH
constexpr std::uint32_t Transparent = 1u << 21;  // holds what its parent may hold (INS, MAP)
constexpr std::uint32_t ListHolder = 1u << 22;   // holds list items only (UL, OL, DL)
} // namespace Trait

// The elements that the structure check treats in a way of their own.
enum class Tag : std::uint8_t {
    Other,
    A,
    Area,
    Body,
    Br,
    Button,
    Caption,
    Col,
    Colgroup,
    Datalist,
    Dd,
    Dl,
    Dt,
    Font,
    Form,
    Frame,
    Frameset,
    Head,
    Html,
    Image,
    Img,
    Input,
    Li,
    Math,
    Nobr,
    Noframes,
    Ol,
    Optgroup,
    Option,
    P,
    Rb,
    Rp,
    Rt,
    Rtc,
    Script,
    Select,
    Style,
    Svg,
    Table,
    Tbody,
    Td,
    Template,
    Textarea,
    Tfoot,
    Th,
    Thead,
    Title,
    Tr,
    Ul,
    Menu,
    Dir,
    Hr,
    Noscript,
    Link,
    Meta,
    Base,
    Div,
    Address,
    Applet,
    Marquee,
    Object,
};

struct StructureInfo {
    Tag tag = Tag::Other;
    std::uint32_t traits = 0;
};

// The parser's view of an element, by its name in lower case; unknown names get Other
// and no traits.
[[nodiscard]] StructureInfo StructureOf(std::string_view lowerName) noexcept;

// Every name the structure check knows, in lower case.
[[nodiscard]] std::span<const std::string_view> StructureNames() noexcept;

} // namespace velto
