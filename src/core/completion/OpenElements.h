// OpenElements: the elements still open before a place in a stretch of text, read backward.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;

struct OpenElementsFound {
    std::vector<std::string> open; // innermost first
    std::string previousSibling;   // the element closed last before the place, at its level
    bool reachedStart = false;     // the walk went back to the start of the stretch
};

// Walks the tags of text backward from `before` (which lies outside markup) and gives the
// at most `depth` innermost elements still open there. An end tag closes its start tag;
// empty elements (BR, IMG) close themselves; an element whose end tag may be left out (LI,
// TD, P) counts as closed when a later start tag at its level implies its end, as a new LI
// ends the last one.
[[nodiscard]] OpenElementsFound FindOpenElements(const HtmlKnowledgeBase& kb, std::string_view text,
                                                 std::size_t before, std::size_t depth = 3);

} // namespace velto
