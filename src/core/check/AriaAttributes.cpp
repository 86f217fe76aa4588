// The states and properties of WAI-ARIA 1.2 (and those 1.3 adds).
#include "core/check/AriaAttributes.h"

#include "core/htmlkb/AsciiCase.h"

#include <algorithm>
#include <array>

namespace velto {

namespace {
// Without their "aria-", sorted.
constexpr std::array<std::string_view, 53> Names = {
    "activedescendant",
    "atomic",
    "autocomplete",
    "braillelabel",
    "brailleroledescription",
    "busy",
    "checked",
    "colcount",
    "colindex",
    "colindextext",
    "colspan",
    "controls",
    "current",
    "describedby",
    "description",
    "details",
    "disabled",
    "dropeffect",
    "errormessage",
    "expanded",
    "flowto",
    "grabbed",
    "haspopup",
    "hidden",
    "invalid",
    "keyshortcuts",
    "label",
    "labelledby",
    "level",
    "live",
    "modal",
    "multiline",
    "multiselectable",
    "orientation",
    "owns",
    "placeholder",
    "posinset",
    "pressed",
    "readonly",
    "relevant",
    "required",
    "roledescription",
    "rowcount",
    "rowindex",
    "rowindextext",
    "rowspan",
    "selected",
    "setsize",
    "sort",
    "valuemax",
    "valuemin",
    "valuenow",
    "valuetext",
};
static_assert(std::is_sorted(Names.begin(), Names.end()));
} // namespace

bool IsAriaAttribute(std::string_view name) noexcept {
    if (name.size() <= 5 || name.size() > 40 || !ascii::EqualNoCase(name.substr(0, 5), "aria-"))
        return false;
    char lower[40];
    for (std::size_t i = 5; i < name.size(); ++i)
        lower[i - 5] = ascii::Lower(name[i]);
    return std::binary_search(Names.begin(), Names.end(), std::string_view(lower, name.size() - 5));
}

} // namespace velto
