// TagClosing: the end tag that typing ">" or "</" completes.
#pragma once

#include "core/tagassist/TagMatcher.h"

#include <optional>
#include <string>

namespace velto {

class HtmlKnowledgeBase;
class TextControl;

// What to insert after a keystroke: text at `at`, then the caret at `caret`.
struct TagCompletion {
    int at = 0;
    std::string text;
    int caret = 0;
    bool operator==(const TagCompletion&) const = default;
};

// Decides what a typed '>' or "</" completes. Nothing is completed inside a comment, the
// contents of a script or style element, or a quoted attribute value.
class TagClosing {
public:
    explicit TagClosing(const HtmlKnowledgeBase& kb) : kb_(kb), matcher_(kb) {}

    // A '>' was just typed at gt. When it ends a start tag whose element needs its end tag
    // (with closeOptional, also one whose end tag is optional), that end tag in the start
    // tag's own letter case, inserted at the caret after the '>', the caret staying put.
    // Not when that very end tag follows already.
    [[nodiscard]] std::optional<TagCompletion> AfterGreater(const TextControl& control, int gt,
                                                            bool closeOptional);
    // A '/' was just typed at slash, directly after a '<': the name of the innermost open
    // element and the '>', the caret after them. Not when a name follows already (an end
    // tag being edited).
    [[nodiscard]] std::optional<TagCompletion> AfterSlash(const TextControl& control, int slash);

private:
    // Whether the text just before pos lies outside comments, script contents and tags.
    [[nodiscard]] bool InText(const TextControl& control, int pos);

    const HtmlKnowledgeBase& kb_;
    TagMatcher matcher_;
    std::string text_;
};

} // namespace velto
