// The corrections and the advice of Check Page, as tables.
#include "core/check/VocabularyCorrections.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"

#include <array>

namespace velto {

namespace {

using namespace VersionBits;
constexpr std::uint32_t Before5 = Html20 | Html32 | Html40;
constexpr std::uint32_t From4 = Html40 | Html5;

struct Requirement {
    std::string_view element, attribute;
    std::uint32_t requiredIn;
};

// After the DTDs of HTML 2.0, 3.2 and 4.01 and the living standard.
constexpr std::array<Requirement, 25> Requirements = {{
    {"IMG", "SRC", Before5 | Html5},
    {"IMG", "LOWSRC", 0},
    {"IMG", "ALT", From4},
    {"AREA", "ALT", Html32 | From4},
    {"BASE", "HREF", Before5},
    {"FORM", "ACTION", Html40},
    {"EMBED", "SRC", 0},
    {"APPLET", "CODE", Html32},
    {"TEXTAREA", "ROWS", Before5},
    {"TEXTAREA", "COLS", Before5},
    {"TEXTAREA", "NAME", Html20 | Html32},
    {"SCRIPT", "TYPE", Html40},
    {"STYLE", "TYPE", Html40},
    {"MAP", "NAME", From4},
    {"BASEFONT", "SIZE", Html32 | Html40},
    {"BDO", "Dir", From4},
    {"OPTGROUP", "LABEL", From4},
    {"DATA", "VALUE", Html5},
    {"METER", "VALUE", Html5},
    {"TRACK", "SRC", Html5},
    {"APPLET", "WIDTH", Html32 | Html40},
    {"APPLET", "HEIGHT", Html32 | Html40},
    {"SELECT", "NAME", Html20 | Html32},
    {"PARAM", "NAME", Html32 | Html40},
    {"META", "CONTENT", Html32 | Html40},
}};

constexpr std::uint32_t Old = Html20 | Html32;

constexpr std::array<SupplementEntry, 59> Supplement = {{
    {"BASEFONT", "", "", Html32},
    {"U", "", "", Html32},
    {"HTML", "VERSION", "", Before5},
    {"A", "TITLE", "", Old},
    {"LINK", "TITLE", "", Old},
    {"A", "HREFLANG", "", Html40},
    {"A", "TYPE", "", Html40},
    {"A", "SHAPE", "CIRCLE DEFAULT", Html40},
    {"AREA", "ACCESSKEY", "", Html40},
    {"AREA", "SHAPE", "CIRCLE", Html32 | Html40},
    {"AREA", "SHAPE", "DEFAULT", Html40},
    {"BR", "CLEAR", "NONE", Html32 | Html40},
    {"FORM", "ACCEPT", "", Html40},
    {"FORM", "NAME", "", Html40},
    {"FRAME", "LONGDESC", "", Html40},
    {"IFRAME", "LONGDESC", "", Html40},
    {"IMG", "LONGDESC", "", Html40},
    {"IMG", "NAME", "", Html40},
    {"INPUT", "ACCEPT", "", Html40},
    {"INPUT", "ISMAP", "", Html40},
    {"LINK", "CHARSET", "", Html40},
    {"LINK", "HREFLANG", "", Html40},
    {"LINK", "TARGET", "", Html40},
    {"OBJECT", "ARCHIVE", "", Html40},
    {"OBJECT", "ALIGN", "TOP BOTTOM", Html40},
    {"OPTION", "LABEL", "", Html40},
    {"SCRIPT", "CHARSET", "", Html40},
    {"SCRIPT", "DEFER", "", Html40},
    {"SCRIPT", "EVENT", "", Html40},
    {"SCRIPT", "FOR", "", Html40},
    {"SCRIPT", "LANGUAGE", "", Html40},
    {"TABLE", "SUMMARY", "", Html40},
    {"COL", "ALIGN", "JUSTIFY CHAR", Html40},
    {"COL", "VALIGN", "MIDDLE", Html40},
    {"TBODY", "ALIGN", "JUSTIFY CHAR", Html40},
    {"TBODY", "VALIGN", "MIDDLE", Html40},
    {"THEAD", "ALIGN", "JUSTIFY CHAR", Html40},
    {"THEAD", "VALIGN", "MIDDLE", Html40},
    {"TFOOT", "ALIGN", "JUSTIFY CHAR", Html40},
    {"TFOOT", "VALIGN", "MIDDLE", Html40},
    {"TR", "VALIGN", "MIDDLE", Html32 | Html40},
    {"TD", "VALIGN", "MIDDLE", Html32 | Html40},
    {"TD", "HEIGHT", "", Html32 | Html40},
    {"TR", "CHAROFF", "", Html40},
    {"TD", "CHAROFF", "", Html40},
    {"TH", "CHAROFF", "", Html40},
    {"TD", "ABBR", "", Html40},
    {"TH", "ABBR", "", Html40},
    {"TD", "HEADERS", "", Html40},
    {"TH", "HEADERS", "", Html40},
    {"TD", "SCOPE", "ROW COL ROWGROUP COLGROUP", Html40},
    {"TH", "SCOPE", "ROW COL ROWGROUP COLGROUP", Html40},
    {"TBODY", "CHAROFF", "", Html40},
    {"TBODY", "CHAR", "", Html40},
    {"THEAD", "CHAR", "", Html40},
    {"THEAD", "CHAROFF", "", Html40},
    {"TFOOT", "CHAR", "", Html40},
    {"TFOOT", "CHAROFF", "", Html40},
    // HTML Media Capture.
    {"INPUT", "CAPTURE", "", Html5},
}};

constexpr std::array<std::string_view, 14> ExtraEvents = {
    "onpointerover",       "onpointerenter",       "onpointerdown", "onpointermove",
    "onpointerup",         "onpointercancel",      "onpointerout",  "onpointerleave",
    "ongotpointercapture", "onlostpointercapture", "ontouchstart",  "ontouchend",
    "ontouchmove",         "ontouchcancel",
};

constexpr std::array<std::string_view, 5> RdfaAttributes = {"vocab", "typeof", "property",
                                                            "resource", "prefix"};

struct Placement {
    std::string_view element;
    std::uint32_t standards; // the newest selected standards for which it holds
    std::string_view context;
};

// Contexts that the records lack or give too narrowly; an empty context lets the
// element stand anywhere. The first entry that matches wins.
constexpr std::array<Placement, 13> Placements = {{
    {"TD", Every, "TR"},
    {"TH", Every, "TR"},
    {"COL", Every, "COLGROUP TABLE"},
    {"SELECT", Html20, "FORM"},
    {"SELECT", Every, ""},
    {"OPTION", Every, "SELECT DATALIST OPTGROUP"},
    {"LI", Every, "UL OL MENU DIR"},
    {"LEGEND", From4, "FIELDSET"},
    {"FIGCAPTION", Html5, "FIGURE"},
    // The living standard lets these stand in the body too.
    {"LINK", Html5, ""},
    {"META", Html5, ""},
    {"STYLE", Html5, ""},
    {"ISINDEX", Html32, ""},
}};

struct Advice {
    std::string_view element, attribute, text;
};

constexpr std::array<Advice, 24> ElementAdvices = {{
    {"FONT", "", "use CSS (font-family, font-size, color)"},
    {"CENTER", "", "use CSS (text-align: center, or margin: auto for a block)"},
    {"BIG", "", "use CSS (font-size: larger)"},
    {"TT", "", "use CODE, KBD or SAMP, or CSS (font-family: monospace)"},
    {"STRIKE", "", "use DEL or S"},
    {"ACRONYM", "", "use ABBR"},
    {"APPLET", "", "use EMBED or OBJECT"},
    {"FRAME", "", "use IFRAME, or CSS for the layout"},
    {"FRAMESET", "", "use IFRAME, or CSS for the layout"},
    {"NOFRAMES", "", "use IFRAME, or CSS for the layout"},
    {"BASEFONT", "", "use CSS (font-family, font-size and color on BODY)"},
    {"DIR", "", "use UL"},
    {"LISTING", "", "use PRE, with < and & written as &lt; and &amp;"},
    {"XMP", "", "use PRE, with < and & written as &lt; and &amp;"},
    {"PLAINTEXT", "", "use PRE, with < and & written as &lt; and &amp;"},
    {"MARQUEE", "", "use CSS animations"},
    {"NOBR", "", "use CSS (white-space: nowrap)"},
    {"ISINDEX", "", "use a FORM with an INPUT"},
    {"NEXTID", "", "leave it out"},
    {"BGSOUND", "", "use AUDIO"},
    {"SPACER", "", "use CSS (margin, padding)"},
    {"MULTICOL", "", "use CSS (columns)"},
    {"COMMENT", "", "use a comment, <!-- -->"},
    {"BLINK", "", "use CSS animations"},
}};

// The first entry whose element (empty: any) and attribute match wins.
constexpr std::array<Advice, 42> AttributeAdvices = {{
    {"IMG", "BORDER", "use CSS (border; border: 0 for none)"},
    {"A", "NAME", "use ID"},
    {"IMG", "NAME", "use ID"},
    {"HR", "SIZE", "use CSS (height)"},
    {"UL", "TYPE", "use CSS (list-style-type)"},
    {"LI", "TYPE", "use CSS (list-style-type)"},
    {"", "ALIGN", "use CSS (text-align, float or vertical-align)"},
    {"", "VALIGN", "use CSS (vertical-align)"},
    {"", "BGCOLOR", "use CSS (background-color)"},
    {"", "BACKGROUND", "use CSS (background-image)"},
    {"", "BORDER", "use CSS (border)"},
    {"", "WIDTH", "use CSS (width)"},
    {"", "HEIGHT", "use CSS (height)"},
    {"", "CELLPADDING", "use CSS (padding on the cells)"},
    {"", "CELLSPACING", "use CSS (border-spacing)"},
    {"", "NOWRAP", "use CSS (white-space: nowrap)"},
    {"", "TEXT", "use CSS (color)"},
    {"", "LINK", "use CSS (a:link { color: ... })"},
    {"", "VLINK", "use CSS (a:visited { color: ... })"},
    {"", "ALINK", "use CSS (a:active { color: ... })"},
    {"", "HSPACE", "use CSS (margin-left, margin-right)"},
    {"", "VSPACE", "use CSS (margin-top, margin-bottom)"},
    {"", "CLEAR", "use CSS (clear)"},
    {"", "COMPACT", "use CSS (margin, line-height)"},
    {"", "LANGUAGE", "use TYPE, or nothing for JavaScript"},
    {"", "NOSHADE", "use CSS (border, background-color)"},
    {"", "COLOR", "use CSS (color)"},
    {"", "FRAMEBORDER", "use CSS (border)"},
    {"", "SCROLLING", "use CSS (overflow)"},
    {"", "MARGINWIDTH", "use CSS (margin on the framed page's BODY)"},
    {"", "MARGINHEIGHT", "use CSS (margin on the framed page's BODY)"},
    {"", "LEFTMARGIN", "use CSS (margin on BODY)"},
    {"", "TOPMARGIN", "use CSS (margin on BODY)"},
    {"", "BGPROPERTIES", "use CSS (background-attachment: fixed)"},
    {"", "BORDERCOLOR", "use CSS (border-color)"},
    {"", "CHARSET", "leave it out"},
    {"", "REV", "use REL"},
    {"", "AXIS", "use SCOPE"},
    {"", "CHAROFF", "use CSS"},
    {"", "DATASRC", "Internet Explorer's data binding: leave it out"},
    {"", "DATAFLD", "Internet Explorer's data binding: leave it out"},
    {"", "DATAFORMATAS", "Internet Explorer's data binding: leave it out"},
}};

} // namespace

std::span<const SupplementEntry> StandardsSupplement() noexcept {
    return Supplement;
}

std::span<const std::string_view> Html5ExtraEvents() noexcept {
    return ExtraEvents;
}

bool IsRdfaAttribute(std::string_view name) noexcept {
    for (std::string_view a : RdfaAttributes)
        if (ascii::EqualNoCase(a, name))
            return true;
    return false;
}

std::optional<std::uint32_t> RequiredIn(std::string_view element,
                                        std::string_view attribute) noexcept {
    for (const Requirement& r : Requirements)
        if (r.element == element && ascii::EqualNoCase(r.attribute, attribute))
            return r.requiredIn;
    return std::nullopt;
}

std::optional<std::string_view> ContextFor(std::string_view element,
                                           std::uint32_t standard) noexcept {
    for (const Placement& p : Placements)
        if (p.element == element && (p.standards & standard) != 0)
            return p.context;
    return std::nullopt;
}

std::string_view ElementAdvice(std::string_view element) noexcept {
    for (const Advice& a : ElementAdvices)
        if (a.element == element)
            return a.text;
    return {};
}

std::string_view AttributeAdvice(std::string_view element, std::string_view attribute) noexcept {
    for (const Advice& a : AttributeAdvices)
        if ((a.element.empty() || a.element == element) &&
            ascii::EqualNoCase(a.attribute, attribute))
            return a.text;
    return {};
}

} // namespace velto
