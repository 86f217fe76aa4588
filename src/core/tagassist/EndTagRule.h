// EndTagRule: whether an element's end tag is required, optional or absent, from HTML's own
// rules and the knowledge base's element kind flags.
#pragma once

#include <string_view>

namespace velto {

class HtmlKnowledgeBase;

enum class EndTag {
    Required, // every container, and any element nobody knows (custom elements)
    Optional, // P, LI, TD and the like: the parser closes them itself
    None,     // empty elements: BR, IMG, HR, INPUT
};

// HTML's empty elements and those whose end tag may be left out are fixed by the language,
// and they decide first: some records of the knowledge base carry kind flags that serve
// its menus rather than the parser (BR and HR are containers there, INPUT has an optional
// end tag), and an end tag written after one of those would be plain wrong. Other names
// take the record's flags (ElementClass::Empty, ElementClass::EndTagOptional); a name
// without a record needs its end tag.
[[nodiscard]] EndTag EndTagRule(const HtmlKnowledgeBase& kb, std::string_view name) noexcept;

// Whether a start tag of `next` ends an open element `open` whose end tag is optional
// (a new LI ends the last LI, a row ends the cell, a block ends a paragraph).
[[nodiscard]] bool StartImpliesEnd(std::string_view open, std::string_view next) noexcept;

} // namespace velto
