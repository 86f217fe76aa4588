// ElementFit: how well an element fits where a new start tag is typed.
#include "core/completion/ElementFit.h"

#include "core/completion/CompletionContext.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/tagassist/EndTagRule.h"

#include <array>

namespace velto {

namespace {

struct Children {
    std::string_view parents;  // blank separated
    std::string_view children; // blank separated
};

// The direct children that HTML's content models give a few elements, where the
// knowledge base's contexts are coarser or silent. Only elements that belong nowhere else
// are listed as children (SCRIPT may stand in HEAD, but elsewhere too).
constexpr std::array<Children, 19> DirectChildren = {{
    {"TABLE", "TR THEAD TBODY TFOOT CAPTION COLGROUP"},
    {"THEAD TBODY TFOOT", "TR"},
    {"TR", "TD TH"},
    {"SELECT", "OPTION OPTGROUP"},
    {"OPTGROUP DATALIST", "OPTION"},
    {"UL OL DIR MENU", "LI"},
    {"DL", "DT DD"},
    {"COLGROUP", "COL"},
    {"MAP", "AREA"},
    {"HEAD", "TITLE BASE META LINK"},
    {"FRAMESET", "FRAME FRAMESET NOFRAMES"},
    {"APPLET OBJECT", "PARAM"},
    {"PICTURE", "SOURCE"},
    {"AUDIO VIDEO", "SOURCE TRACK"},
    {"FIGURE", "FIGCAPTION"},
    {"DETAILS", "SUMMARY"},
    {"FIELDSET", "LEGEND"},
    {"RUBY", "RT RP"},
    {"HTML", "HEAD BODY FRAMESET"},
}};

// The place of the name in a blank-separated list, without regard to case; -1 when absent.
int ListIndex(std::string_view list, std::string_view name) noexcept {
    for (int index = 0; !list.empty(); ++index) {
        const std::size_t blank = list.find(' ');
        if (ascii::EqualNoCase(list.substr(0, blank), name))
            return index;
        if (blank == std::string_view::npos)
            break;
        list.remove_prefix(blank + 1);
    }
    return -1;
}

bool ListHas(std::string_view list, std::string_view name) noexcept {
    return ListIndex(list, name) >= 0;
}

bool HasTableEntry(std::string_view element) noexcept {
    for (const Children& c : DirectChildren)
        if (ListHas(c.children, element))
            return true;
    return false;
}

} // namespace

int DirectChildOrder(std::string_view element, std::string_view parent) noexcept {
    for (const Children& c : DirectChildren)
        if (ListHas(c.parents, parent))
            if (const int index = ListIndex(c.children, element); index >= 0)
                return index;
    return -1;
}

ElementPlace PlaceOf(const HtmlMetaElement& element, const CompletionContext& context) {
    const std::string& name = element.Name();
    const std::vector<std::string>& open = context.open;
    ElementPlace place;
    place.sibling = ascii::EqualNoCase(context.previousSibling, name);
    const auto fits = [&](Fit fit, int order = 0) {
        place.fit = fit;
        place.order = order;
        return place;
    };
    if (open.empty() && !context.openKnown)
        return fits(place.sibling ? Fit::Sibling : Fit::Neutral);

    // A start tag that ends the innermost element (a new LI after an open LI) goes into
    // the element around that one.
    const bool endsInnermost = open.size() > 1 && StartImpliesEnd(open[0], name);
    const std::size_t k = endsInnermost ? 1 : 0;
    const std::string_view places = element.Context();
    if (k < open.size()) {
        if (const int order = DirectChildOrder(name, open[k]); order >= 0)
            return fits(endsInnermost ? Fit::NextChild : Fit::Child, order);
        if (ListHas(places, open[k]))
            return fits(Fit::InContext);
    }
    if (place.sibling)
        return fits(Fit::Sibling);
    for (std::size_t j = k + 1; j < open.size(); ++j)
        if (DirectChildOrder(name, open[j]) >= 0 || ListHas(places, open[j]))
            return fits(Fit::Outer);
    if (places.empty() && !HasTableEntry(name))
        return fits(Fit::Neutral);
    return fits(Fit::Misplaced);
}

} // namespace velto
