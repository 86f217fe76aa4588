// Sorting the knowledge base's elements onto the pages of the generated reference.
#include "core/reference/ReferenceGroups.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlMetaElement.h"

#include <array>

namespace velto {

namespace {

enum Group : std::size_t {
    Structure,
    Text,
    Lists,
    Tables,
    Forms,
    Frames,
    Objects,
    Extensions,
};

constexpr std::array<ReferenceGroup, 8> Groups = {{
    {"structure", "Document Structure and Head",
     "The outer elements of a document, its head with title, links and meta data, and "
     "comments"},
    {"text", "Text and Phrase Elements",
     "Headings, paragraphs, breaks and rules, links, phrase markup, quotations and font "
     "styles"},
    {"lists", "Lists", "Bulleted, numbered and definition lists and their items"},
    {"tables", "Tables", "Tables with their rows, cells, captions and column groups"},
    {"forms", "Forms", "Forms and the controls the user fills in"},
    {"frames", "Frames", "Frame sets, their frames, and frames within the text"},
    {"objects", "Images and Objects", "Images, image maps, scripts, applets and embedded objects"},
    {"extensions", "Browser Extensions",
     "Elements that Netscape Navigator or Internet Explorer offered on their own"},
}};

// Elements whose appearance class is about how their tags are coloured rather than what
// they are about: frames colour as layout, BUTTON and LABEL as programmatic content.
struct Placed {
    std::string_view name;
    Group group;
};
constexpr std::array<Placed, 6> ByName = {{
    {"FRAMESET", Frames},
    {"FRAME", Frames},
    {"IFRAME", Frames},
    {"NOFRAMES", Frames},
    {"BUTTON", Forms},
    {"LABEL", Forms},
}};

Group ByAppearance(AppearanceClass appearance) noexcept {
    switch (appearance) {
    case AppearanceClass::Head:
    case AppearanceClass::Comment:
        return Structure;
    case AppearanceClass::List:
        return Lists;
    case AppearanceClass::Table:
        return Tables;
    case AppearanceClass::Form:
        return Forms;
    case AppearanceClass::EmbedProgrammatic:
        return Objects;
    default:
        // Body, layout, anchors, meaning and style are all text; so is anything that a
        // later class would bring without a page of its own.
        return Text;
    }
}

} // namespace

std::span<const ReferenceGroup> ReferenceGroups() noexcept {
    return Groups;
}

bool IsBrowserExtension(std::uint32_t versions) noexcept {
    using namespace VersionBits;
    // What an early recommendation or the living standard has is no browser's extension.
    constexpr std::uint32_t early = Html20 | Html30Draft | Html32 | Html5;
    constexpr std::uint32_t browsers =
        Navigator20 | Navigator30 | Explorer20 | Explorer30 | Explorer40;
    constexpr std::uint32_t firstBrowsers = Navigator20 | Explorer20;
    if ((versions & early) != 0 || (versions & browsers) == 0)
        return false;
    return (versions & Html40) == 0 || (versions & firstBrowsers) != 0;
}

std::size_t ReferenceGroupOf(const HtmlMetaElement& element) noexcept {
    for (const Placed& p : ByName)
        if (ascii::EqualNoCase(element.Name(), p.name))
            return p.group;
    if (IsBrowserExtension(element.Versions()))
        return Extensions;
    return ByAppearance(element.Appearance());
}

} // namespace velto
