// The parser's view of each HTML element, after the living standard's tree construction.
#include "core/check/HtmlStructure.h"

#include <algorithm>
#include <array>

namespace velto {

namespace {

using namespace Trait;

struct Entry {
    std::string_view name;
    Tag tag;
    std::uint32_t traits;
};

// Shorthands for the common combinations.
constexpr std::uint32_t Blk = Special | ClosesParagraph | Block;
constexpr std::uint32_t Fmt = Formatting | Phrasing | Breakout;
constexpr std::uint32_t Txt = Phrasing;
constexpr std::uint32_t Hdg = Special | ClosesParagraph | Block | Heading | Phrasing | Breakout;
constexpr std::uint32_t Empty = Void | Special;

// Sorted by name for a binary search.
constexpr std::array<Entry, 141> Entries = {{
    {"a", Tag::A, Formatting | Phrasing},
    {"abbr", Tag::Other, Txt},
    {"acronym", Tag::Other, Txt},
    {"address", Tag::Address, Blk},
    {"applet", Tag::Applet, Special | Scope},
    {"area", Tag::Area, Empty},
    {"article", Tag::Other, Blk},
    {"aside", Tag::Other, Blk},
    {"audio", Tag::Other, Transparent},
    {"b", Tag::Other, Fmt},
    {"base", Tag::Base, Empty | HeadContent},
    {"basefont", Tag::Other, Empty | HeadContent},
    {"bdi", Tag::Other, Txt},
    {"bdo", Tag::Other, Txt},
    {"bgsound", Tag::Other, Empty | HeadContent},
    {"big", Tag::Other, Fmt},
    {"blockquote", Tag::Other, Blk | Breakout},
    {"body", Tag::Body, Special | OptionalEnd | Breakout},
    {"br", Tag::Br, Empty | Breakout},
    {"button", Tag::Button, Special | ButtonScope | Phrasing},
    {"canvas", Tag::Other, Transparent},
    {"caption", Tag::Caption, Special | Scope | OptionalEnd},
    {"center", Tag::Other, Blk | Breakout},
    {"cite", Tag::Other, Txt},
    {"code", Tag::Other, Fmt},
    {"col", Tag::Col, Empty},
    {"colgroup", Tag::Colgroup, Special | OptionalEnd},
    {"data", Tag::Other, Txt},
    {"datalist", Tag::Datalist, 0},
    {"dd", Tag::Dd, Special | OptionalEnd | ImpliedEnd | ClosesParagraph | Breakout},
    {"del", Tag::Other, Transparent},
    {"details", Tag::Other, Blk},
    {"dfn", Tag::Other, Txt},
    {"dialog", Tag::Other, ClosesParagraph | Block},
    {"dir", Tag::Dir, Blk | ListHolder},
    {"div", Tag::Div, Blk | Breakout},
    {"dl", Tag::Dl, Blk | Breakout | ListHolder},
    {"dt", Tag::Dt, Special | OptionalEnd | ImpliedEnd | ClosesParagraph | Breakout},
    {"em", Tag::Other, Fmt},
    {"embed", Tag::Other, Empty | Breakout},
    {"fieldset", Tag::Other, Blk},
    {"figcaption", Tag::Other, Blk},
    {"figure", Tag::Other, Blk},
    {"font", Tag::Font, Formatting | Phrasing},
    {"footer", Tag::Other, Blk},
    {"form", Tag::Form, Blk},
    {"frame", Tag::Frame, Empty},
    {"frameset", Tag::Frameset, Special},
    {"h1", Tag::Other, Hdg},
    {"h2", Tag::Other, Hdg},
    {"h3", Tag::Other, Hdg},
    {"h4", Tag::Other, Hdg},
    {"h5", Tag::Other, Hdg},
    {"h6", Tag::Other, Hdg},
    {"head", Tag::Head, Special | OptionalEnd | Breakout},
    {"header", Tag::Other, Blk},
    {"hgroup", Tag::Other, Blk},
    {"hr", Tag::Hr, Empty | ClosesParagraph | Block | Breakout},
    {"html", Tag::Html, Special | OptionalEnd | Scope | TableScope},
    {"i", Tag::Other, Fmt},
    {"iframe", Tag::Other, Special | RawText},
    {"image", Tag::Image, Empty},
    {"img", Tag::Img, Empty | Breakout},
    {"input", Tag::Input, Empty},
    {"ins", Tag::Other, Transparent},
    {"isindex", Tag::Other, Empty | HeadContent},
    {"kbd", Tag::Other, Txt},
    {"keygen", Tag::Other, Empty},
    {"label", Tag::Other, Txt},
    {"legend", Tag::Other, 0},
    {"li", Tag::Li, Special | OptionalEnd | ImpliedEnd | ClosesParagraph | Breakout},
    {"link", Tag::Link, Empty | HeadContent},
    {"listing", Tag::Other, Blk | Breakout},
    {"main", Tag::Other, Blk},
    {"map", Tag::Other, Transparent},
    {"mark", Tag::Other, Txt},
    {"marquee", Tag::Marquee, Special | Scope},
    {"math", Tag::Math, ForeignRoot},
    {"menu", Tag::Menu, Blk | Breakout | ListHolder},
    {"meta", Tag::Meta, Empty | HeadContent | Breakout},
    {"meter", Tag::Other, Txt},
    {"multicol", Tag::Other, Block},
    {"nav", Tag::Other, Blk},
    {"nextid", Tag::Other, Empty | HeadContent},
    {"nobr", Tag::Nobr, Fmt},
    {"noembed", Tag::Other, Special | RawText},
    {"noframes", Tag::Noframes, Special | RawText | HeadContent},
    {"noscript", Tag::Noscript, Special | HeadContent | Transparent},
    {"object", Tag::Object, Special | Scope | Transparent},
    {"ol", Tag::Ol, Blk | ListScope | Breakout | ListHolder},
    {"optgroup", Tag::Optgroup, OptionalEnd | ImpliedEnd},
    {"option", Tag::Option, OptionalEnd | ImpliedEnd},
    {"output", Tag::Other, Txt},
    {"p", Tag::P, Blk | OptionalEnd | ImpliedEnd | Phrasing | Breakout},
    {"param", Tag::Other, Empty},
    {"picture", Tag::Other, 0},
    {"plaintext", Tag::Other, Blk | PlainText},
    {"pre", Tag::Other, Blk | Phrasing | Breakout},
    {"progress", Tag::Other, Txt},
    {"q", Tag::Other, Txt},
    {"rb", Tag::Rb, OptionalEnd | ImpliedEnd | Phrasing},
    {"rp", Tag::Rp, OptionalEnd | ImpliedEnd | Phrasing},
    {"rt", Tag::Rt, OptionalEnd | ImpliedEnd | Phrasing},
    {"rtc", Tag::Rtc, OptionalEnd | ImpliedEnd | Phrasing},
    {"ruby", Tag::Other, Txt | Breakout},
    {"s", Tag::Other, Fmt},
    {"samp", Tag::Other, Txt},
    {"script", Tag::Script, Special | RawText | HeadContent},
    {"search", Tag::Other, Blk},
    {"section", Tag::Other, Blk},
    {"select", Tag::Select, Special},
    {"slot", Tag::Other, Transparent},
    {"small", Tag::Other, Fmt},
    {"source", Tag::Other, Empty},
    {"spacer", Tag::Other, Empty},
    {"span", Tag::Other, Txt | Breakout},
    {"strike", Tag::Other, Fmt},
    {"strong", Tag::Other, Fmt},
    {"style", Tag::Style, Special | RawText | HeadContent},
    {"sub", Tag::Other, Txt | Breakout},
    {"summary", Tag::Other, Blk},
    {"sup", Tag::Other, Txt | Breakout},
    {"svg", Tag::Svg, ForeignRoot},
    {"table", Tag::Table, Blk | Scope | TableScope | Breakout},
    {"tbody", Tag::Tbody, Special | OptionalEnd | TableSection},
    {"td", Tag::Td, Special | Scope | OptionalEnd | Cell},
    {"template", Tag::Template, Special | Scope | TableScope | HeadContent},
    {"textarea", Tag::Textarea, Special | RcData},
    {"tfoot", Tag::Tfoot, Special | OptionalEnd | TableSection},
    {"th", Tag::Th, Special | Scope | OptionalEnd | Cell},
    {"thead", Tag::Thead, Special | OptionalEnd | TableSection},
    {"title", Tag::Title, Special | RcData | HeadContent},
    {"tr", Tag::Tr, Special | OptionalEnd},
    {"track", Tag::Other, Empty},
    {"tt", Tag::Other, Fmt},
    {"u", Tag::Other, Fmt},
    {"ul", Tag::Ul, Blk | ListScope | Breakout | ListHolder},
    {"var", Tag::Other, Txt | Breakout},
    {"video", Tag::Other, Transparent},
    {"wbr", Tag::Other, Empty},
    {"xmp", Tag::Other, Blk | RawText},
}};

constexpr bool Sorted() {
    for (std::size_t i = 1; i < Entries.size(); ++i)
        if (!(Entries[i - 1].name < Entries[i].name))
            return false;
    return true;
}
static_assert(Sorted());

// The names alone, for StructureNames.
constexpr std::array<std::string_view, Entries.size()> Names = [] {
    std::array<std::string_view, Entries.size()> names{};
    for (std::size_t i = 0; i < Entries.size(); ++i)
        names[i] = Entries[i].name;
    return names;
}();

} // namespace

StructureInfo StructureOf(std::string_view lowerName) noexcept {
    const auto it = std::lower_bound(Entries.begin(), Entries.end(), lowerName,
                                     [](const Entry& e, std::string_view n) { return e.name < n; });
    if (it == Entries.end() || it->name != lowerName)
        return {};
    return {it->tag, it->traits};
}

std::span<const std::string_view> StructureNames() noexcept {
    return Names;
}

} // namespace velto
