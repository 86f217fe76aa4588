// CompletionItem: one entry of a completion list, with what choosing it writes.
#pragma once

#include "core/colours/ColourRef.h"

#include <optional>
#include <string>
#include <string_view>

namespace velto {

class HtmlMetaAttBase;
class HtmlMetaElement;

enum class CompletionKind { Element, Attribute, Value, File, Colour, Reference };

// "element", "attribute", "value", "file", "colour" or "reference".
[[nodiscard]] std::string_view KindName(CompletionKind kind) noexcept;

struct CompletionItem {
    std::string text;        // as the list shows it, and (but for references) as written
    CompletionKind kind = CompletionKind::Element;
    std::string description; // shown beside it: the label and description, a size, a value
    bool greyed = false;     // outside the version selection ("AdvancedAttsGreyed")

    // What choosing it writes.
    const HtmlMetaElement* element = nullptr;   // Element
    const HtmlMetaAttBase* attribute = nullptr; // Attribute; the attribute of a Value, File or Colour
    std::string eventName;                      // an event handler attribute, which has no record
    std::string value;  // Value, File, Colour: the value written; Reference: the name
    bool folder = false; // File: a folder, entered when chosen
    std::optional<ColourRef> swatch; // Colour
    std::string glyph;               // Reference: the characters it stands for, in UTF-8
};

} // namespace velto
