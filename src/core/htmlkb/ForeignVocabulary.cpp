// The SVG and MathML element names, and the custom element name rule.
#include "core/htmlkb/ForeignVocabulary.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace velto {

namespace {

// Lower case and sorted, for a binary search of the lower-cased name.
constexpr std::string_view ForeignNames[] = {
    "altglyph", "altglyphdef", "altglyphitem", "animate", "animatecolor", "animatemotion",
    "animatetransform", "annotation", "annotation-xml", "circle", "clippath", "color-profile",
    "cursor", "defs", "desc", "discard", "ellipse", "feblend", "fecolormatrix",
    "fecomponenttransfer", "fecomposite", "feconvolvematrix", "fediffuselighting",
    "fedisplacementmap", "fedistantlight", "fedropshadow", "feflood", "fefunca", "fefuncb",
    "fefuncg", "fefuncr", "fegaussianblur", "feimage", "femerge", "femergenode", "femorphology",
    "feoffset", "fepointlight", "fespecularlighting", "fespotlight", "fetile", "feturbulence",
    "filter", "font-face", "font-face-format", "font-face-name", "font-face-src", "font-face-uri",
    "foreignobject", "g", "glyph", "glyphref", "hatch", "hatchpath", "hkern", "image", "line",
    "lineargradient", "maction", "maligngroup", "malignmark", "marker", "mask", "menclose",
    "merror", "mesh", "meshgradient", "meshpatch", "meshrow", "metadata", "mfenced", "mfrac",
    "mglyph", "mi", "missing-glyph", "mlabeledtr", "mlongdiv", "mmultiscripts", "mn", "mo",
    "mover", "mpadded", "mpath", "mphantom", "mprescripts", "mroot", "mrow", "ms", "mscarries",
    "mscarry", "msgroup", "msline", "mspace", "msqrt", "msrow", "mstack", "mstyle", "msub",
    "msubsup", "msup", "mtable", "mtd", "mtext", "mtr", "munder", "munderover", "none", "path",
    "pattern", "polygon", "polyline", "radialgradient", "rect", "semantics", "set", "solidcolor",
    "stop", "switch", "symbol", "text", "textpath", "tref", "tspan", "use",
    "view", "vkern",
};

// The hyphenated names of SVG and MathML, which no custom element may take.
constexpr std::array<std::string_view, 8> ReservedNames = {
    "annotation-xml", "color-profile", "font-face", "font-face-format",
    "font-face-name", "font-face-src", "font-face-uri", "missing-glyph",
};

constexpr char Lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// name in lower case into buffer; false when it is too long for any of the names.
template <std::size_t N> bool Lowered(std::string_view name, std::array<char, N>& buffer, std::string_view& out) {
    if (name.empty() || name.size() > N)
        return false;
    std::transform(name.begin(), name.end(), buffer.begin(), Lower);
    out = std::string_view(buffer.data(), name.size());
    return true;
}

} // namespace

bool IsForeignElementName(std::string_view name) noexcept {
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> names(std::begin(ForeignNames), std::end(ForeignNames));
        std::sort(names.begin(), names.end());
        return names;
    }();
    std::array<char, 24> buffer{};
    std::string_view lower;
    return Lowered(name, buffer, lower) && std::binary_search(sorted.begin(), sorted.end(), lower);
}

bool IsCustomElementName(std::string_view name) noexcept {
    if (name.empty())
        return false;
    const char first = Lower(name.front());
    if (first < 'a' || first > 'z')
        return false;
    bool hyphen = false;
    for (char c : name.substr(1)) {
        const unsigned char u = static_cast<unsigned char>(Lower(c));
        if (u == '-')
            hyphen = true;
        else if (!((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '.' || u == '_' || u >= 0x80))
            return false;
    }
    if (!hyphen)
        return false;
    std::array<char, 16> buffer{};
    std::string_view lower;
    return !(Lowered(name, buffer, lower) &&
             std::find(ReservedNames.begin(), ReservedNames.end(), lower) != ReservedNames.end());
}

} // namespace velto
