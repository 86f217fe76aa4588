// ElementFit: how well an element fits where a new start tag is typed, from the elements
// open around it.
#pragma once

#include <string_view>

namespace velto {

struct CompletionContext;
class HtmlMetaElement;

// Lower fits better. The knowledge base gives some elements the elements they belong in
// (TR and TD in TABLE, OPTION in SELECT); a table of HTML's content models adds the direct
// children it does not give (TD in TR, LI in lists, DT in DL).
enum class Fit : int {
    Child = 0,      // belongs directly in the innermost open element
    NextChild = 1,  // ends the innermost element and belongs in the one around it (LI after LI)
    InContext = 2,  // belongs in it by the knowledge base's coarser context (TD in TABLE)
    Sibling = 3,    // the same as the element closed just before
    Outer = 4,      // belongs in an element further out
    Neutral = 5,    // nothing is known either way
    Misplaced = 6,  // belongs elsewhere, and none of its places is open
};

struct ElementPlace {
    Fit fit = Fit::Neutral;
    bool sibling = false; // the same as the element closed just before it
    int order = 0;        // among the children of its parent, the more usual first
};

[[nodiscard]] ElementPlace PlaceOf(const HtmlMetaElement& element, const CompletionContext& context);

// Where HTML's content models put the element among the direct children of `parent` (TD
// in TR, LI in UL), from 0, by the table of direct children; -1 when not there.
[[nodiscard]] int DirectChildOrder(std::string_view element, std::string_view parent) noexcept;

} // namespace velto
