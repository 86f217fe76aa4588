// HoverHelp: the tooltip of an element, attribute or enumerated value name in a tag.
#pragma once

#include "core/completion/CompletionContext.h"

#include <string>

namespace velto {

class HtmlKnowledgeBase;
class HtmlMeta;
class TextControl;

class HoverHelp {
public:
    static constexpr std::string_view LastLine = "F5: HTML reference";

    explicit HoverHelp(const HtmlKnowledgeBase& kb) : kb_(kb), finder_(kb) {}

    // The tooltip for the character at pos, lines separated by '\n': the name and its label,
    // the description, the versions and browsers that have it, "Obsolete in HTML5" where
    // that holds, "Outside the selected versions" where it is, and last "F5: HTML
    // reference". An enumerated value shows its own label and description. Empty when pos
    // is on no name the knowledge base knows in a tag.
    [[nodiscard]] std::string TextAt(const TextControl& control, int pos, KnownStart known = {});

private:
    // The tip of a record; `what` follows its name on the first line ("element").
    [[nodiscard]] std::string Tip(const HtmlMeta& record, std::string_view what) const;

    const HtmlKnowledgeBase& kb_;
    ContextFinder finder_;
    std::string text_;
};

} // namespace velto
