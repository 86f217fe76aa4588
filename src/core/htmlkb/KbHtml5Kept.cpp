// Contents: which elements, attributes and values of the older versions the living
// standard keeps, so that they carry its bit; what it made obsolete does not.
#include "core/htmlkb/KbContents.h"

#include <algorithm>
#include <array>

namespace velto {

namespace {

// An element the living standard keeps, with the attributes of ours that it keeps on it
// (blank separated). Presentational attributes (ALIGN, BGCOLOR, BORDER, WIDTH on most),
// the browsers' own ones and those the standard lists as obsolete are left out.
struct KeptElement {
    std::string_view name;
    std::string_view attributes;
};

constexpr std::array<KeptElement, 71> KeptElements = {{
    {"HTML", "TITLE"},
    {"HEAD", ""},
    {"TITLE", "TITLE"},
    {"BASE", "HREF TARGET"},
    {"META", "NAME HTTP-EQUIV CONTENT"},
    {"LINK", "HREF REL TYPE MEDIA"},
    {"STYLE", "MEDIA TITLE"},
    {"BODY", ""},
    {"DIV", ""},
    {"H1", ""},
    {"H2", ""},
    {"H3", ""},
    {"H4", ""},
    {"H5", ""},
    {"H6", ""},
    {"P", ""},
    {"BR", ""},
    {"BDO", "LANG Dir"},
    {"A", "HREF REL TARGET ACCESSKEY TABINDEX"},
    {"EM", ""},
    {"STRONG", ""},
    {"DFN", ""},
    {"CODE", ""},
    {"SAMP", ""},
    {"KBD", ""},
    {"VAR", ""},
    {"CITE", ""},
    {"I", ""},
    {"B", ""},
    {"U", ""},
    {"S", ""},
    {"SMALL", ""},
    {"SUB", ""},
    {"SUP", ""},
    {"IMG", "SRC ALT HEIGHT WIDTH USEMAP ISMAP"},
    {"UL", ""},
    {"OL", "START TYPE"},
    {"LI", "VALUE"},
    {"DL", ""},
    {"DT", ""},
    {"DD", ""},
    {"MENU", ""},
    {"TABLE", ""},
    {"CAPTION", ""},
    {"TR", ""},
    {"TH", "COLSPAN ROWSPAN"},
    {"TD", "COLSPAN ROWSPAN"},
    {"THEAD", ""},
    {"TBODY", ""},
    {"TFOOT", ""},
    {"COLGROUP", "SPAN"},
    {"COL", "SPAN"},
    {"HR", ""},
    {"PRE", ""},
    {"BLOCKQUOTE", "CITE"},
    {"Q", "CITE"},
    {"ADDRESS", ""},
    {"INS", "CITE DATETIME"},
    {"DEL", "CITE DATETIME"},
    {"FORM", "ACTION METHOD ENCTYPE TARGET ACCEPT-CHARSET"},
    {"FIELDSET", ""},
    {"LEGEND", "ACCESSKEY"},
    {"INPUT", "TYPE ALT NAME VALUE SIZE MAXLENGTH CHECKED SRC DISABLED READONLY ACCESSKEY "
              "TABINDEX"},
    {"TEXTAREA", "COLS ROWS NAME WRAP DISABLED READONLY TABINDEX ACCESSKEY"},
    {"SELECT", "MULTIPLE NAME SIZE ACCESSKEY DISABLED TABINDEX"},
    {"OPTION", "SELECTED VALUE DISABLED"},
    {"MAP", "NAME"},
    {"AREA", "ALT TABINDEX SHAPE COORDS HREF TARGET"},
    {"SPAN", ""},
    {"BUTTON", "NAME VALUE TYPE DISABLED TABINDEX ACCESSKEY"},
    {"LABEL", "FOR ACCESSKEY"},
}};

// Elements kept that the table above would make too long a line for.
constexpr std::array<KeptElement, 6> MoreKeptElements = {{
    {"WBR", ""},
    {"EMBED", "SRC HEIGHT WIDTH ACCESSKEY"},
    {"SCRIPT", "TYPE SRC"},
    {"NOSCRIPT", ""},
    {"IFRAME", "SRC NAME WIDTH HEIGHT"},
    {"OBJECT", "DATA TYPE WIDTH HEIGHT NAME ACCESSKEY TABINDEX"},
}};

// The shared attributes of HTML 4.0, all of which the living standard keeps as globals.
constexpr std::string_view KeptShared = "STYLE CLASS ID TITLE LANG DIR";

// Values of kept attributes that the living standard does not keep; "*" drops every
// named value (the typed-in entry stays).
struct DroppedValues {
    std::string_view element, attribute, values;
};

constexpr std::array<DroppedValues, 8> Dropped = {{
    {"META", "NAME", "REFRESH EXPIRES REPLY-TO PICS-LABEL CONTENT-TYPE"},
    {"META", "HTTP-EQUIV", "EXPIRES KEYWORDS REPLY-TO PICS-LABEL AUTHOR"},
    {"A", "REL", "CONTENTS INDEX GLOSSARY COPYRIGHT PREVIOUS START STYLESHEET ALTERNATIVE"},
    {"INPUT", "TYPE", "TEXTAREA SELECT-MULTIPLE SELECT-ONE"},
    {"TEXTAREA", "WRAP", "OFF VIRTUAL PHYSICAL"},
    {"AREA", "SHAPE", "CIRC"},
    {"SCRIPT", "TYPE", "text/vbscript"},
    // The living standard allows UTF-8 only, which the list of older encodings lacks.
    {"FORM", "ACCEPT-CHARSET", "*"},
}};

// Whether word is one of the blank-separated words of list.
bool HasWord(std::string_view list, std::string_view word) {
    while (!list.empty()) {
        const std::size_t blank = list.find(' ');
        if (list.substr(0, blank) == word)
            return true;
        if (blank == std::string_view::npos)
            break;
        list.remove_prefix(blank + 1);
    }
    return false;
}

const KeptElement* FindKept(std::string_view element) {
    const auto byName = [element](const KeptElement& k) { return k.name == element; };
    if (const auto it = std::find_if(KeptElements.begin(), KeptElements.end(), byName);
        it != KeptElements.end())
        return &*it;
    if (const auto it = std::find_if(MoreKeptElements.begin(), MoreKeptElements.end(), byName);
        it != MoreKeptElements.end())
        return &*it;
    return nullptr;
}

} // namespace

bool Html5KeepsElement(std::string_view element) {
    return FindKept(element) != nullptr;
}

bool Html5KeepsAttribute(std::string_view element, std::string_view attribute) {
    if (element.empty())
        return HasWord(KeptShared, attribute);
    const KeptElement* kept = FindKept(element);
    return kept != nullptr && HasWord(kept->attributes, attribute);
}

bool Html5KeepsValue(std::string_view element, std::string_view attribute,
                     std::string_view value) {
    for (const DroppedValues& d : Dropped)
        if (d.element == element && d.attribute == attribute)
            return value.empty() || !(d.values == "*" || HasWord(d.values, value));
    return true;
}

} // namespace velto
