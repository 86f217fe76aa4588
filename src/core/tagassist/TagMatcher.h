// TagMatcher: the partner of the start or end tag at a position, and the innermost element
// open before a position.
#pragma once

#include "core/tagassist/EndTagRule.h"
#include "core/tagassist/MarkupScanner.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class TextControl;

// A tag in absolute positions: [first, pastEnd).
struct TagRange {
    int first = 0;
    int pastEnd = 0;
    bool operator==(const TagRange&) const = default;
};

struct TagPair {
    TagRange tag;     // the tag at the position
    TagRange partner; // its end tag, or the start tag it ends
};

// Walks the tags the way a browser pairs them, closely enough for an editor: comments,
// declarations and the contents of script and style elements are stepped over, empty
// elements (BR, IMG) have no partner, an element whose end tag is optional (P, LI, TD)
// ends where the next sibling or the parent's end tag ends it, and an end tag that closes
// something left open inside steps over what was left open.
//
// The search never reads more than SearchLimit bytes on either side of the tag; beyond
// that it gives up quietly, so a caret move in a huge document costs a bounded time. It
// starts with a small window and widens it only while the answer lies beyond.
class TagMatcher {
public:
    static constexpr int SearchLimit = 1 << 20;
    // How far back the context of a position (comment, script, tag) is looked for.
    static constexpr int ContextReach = 32 * 1024;
    // The longest tag in which a caret is recognised.
    static constexpr int TagReach = 8 * 1024;

    explicit TagMatcher(const HtmlKnowledgeBase& kb) : kb_(kb) {}

    // A start or end tag of a document.
    struct Tag {
        TagRange range;
        bool isEnd = false;
        bool selfClosing = false;
        std::string name; // as written
    };
    // The tag at pos (the caret just before its '<', inside it, or just after its '>')
    // outside comments and script contents, whether or not it has a partner.
    [[nodiscard]] std::optional<Tag> TagAt(const TextControl& control, int pos);
    // That tag and its partner; none when pos is not in a start or end tag, the tag's
    // element has no end tag, or no partner lies within the limit.
    [[nodiscard]] std::optional<TagPair> FindPair(const TextControl& control, int pos);
    // The start tag of the innermost element still open at pos (which lies in text), with
    // its name as written; none when every element is closed within the limit.
    struct OpenElement {
        TagRange tag;
        std::string name;
    };
    [[nodiscard]] std::optional<OpenElement> InnermostOpen(const TextControl& control, int pos);

private:
    enum class Outcome { Found, None, OutOfText };
    struct Open {
        std::string_view name;
        EndTag rule;
    };

    [[nodiscard]] bool MayBeInTag(const TextControl& control, int pos);
    [[nodiscard]] std::optional<TagRange> FindEndTag(const TextControl& control, const TagRange& tag);
    [[nodiscard]] std::optional<TagRange> FindStartTag(const TextControl& control, const TagRange& tag);
    Outcome MatchForward(std::string_view name, MarkupItem& partner);
    Outcome MatchBackward(std::string_view name, std::size_t before, MarkupItem& partner);
    Outcome OpenBackward(std::size_t before, MarkupItem& open);
    // The nearest start tag before the scanner that nothing in between closes and that is
    // named name (any name when empty); unclosed start tags of other names are stepped over.
    Outcome UnclosedBackward(MarkupBackScanner& scanner, std::string_view name, MarkupItem& found);
    void PopTo(std::string_view name);
    [[nodiscard]] EndTag Rule(std::string_view name) const noexcept { return EndTagRule(kb_, name); }

    const HtmlKnowledgeBase& kb_;
    std::string text_; // the window read from the control
    std::string name_; // the name of the tag at the position, kept across window reads
    std::vector<Open> stack_;
};

} // namespace velto
