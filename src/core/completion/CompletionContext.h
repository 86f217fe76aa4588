// CompletionContext: what the caret stands in (an element name, an attribute name, an
// attribute value, a character reference, or nothing to complete), found from a bounded
// stretch of text around it.
#pragma once

#include <string>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class TextControl;

struct CompletionContext {
    enum class Kind {
        None,      // plain text, a comment, a script or style sheet, an end tag
        Element,   // the name after a '<'
        Attribute, // an attribute name in a start tag, or the place for one
        Value,     // an attribute's value, after its '=' or inside its quotes
        Reference, // a character reference's name after a '&'
    };
    Kind kind = Kind::None;

    int caret = 0;
    // The word being completed: [from, caret) is typed already, [caret, to) is the rest of
    // the word after the caret, which a choice replaces too.
    int from = 0;
    int to = 0;
    std::string typed;

    // ---- Element, Attribute and Value: the start tag the caret is in ----
    int tagStart = 0;           // its '<'
    std::string tagText;        // from the '<' to past its '>', or as far as it goes
    bool tagClosed = false;     // a '>' ends it: the tag existed before the name was typed
    std::string elementName;    // as written
    bool endTag = false;        // "</NAME": nothing is completed there, but hover shows it
    bool followedByValue = false; // Attribute: an '=' follows the name already

    // ---- Value (and Reference inside a value) ----
    std::string attributeName; // as written
    char quote = 0;            // the value's opening quote, or 0 for an unquoted value
    // The whole value as written, its quotes included: what a chosen value replaces.
    int valueFrom = 0;
    int valueTo = 0;

    // ---- Element: where the new element goes ----
    // The elements open around the tag, innermost first (at most three), and the element
    // that was closed last just before it at the same level.
    std::vector<std::string> open;
    std::string previousSibling;
    // Whether `open` is complete: the walk reached the start of the text.
    bool openKnown = false;

    [[nodiscard]] bool InTag() const noexcept {
        return kind == Kind::Element || kind == Kind::Attribute || kind == Kind::Value;
    }
};

// Where the text is known to stand in a given state, so that the search need not guess
// from the start of its stretch: a checkpoint of the colouring (see KnownStartBefore).
struct KnownStart {
    enum class Mode { Text, Comment, Script, Style };
    int pos = -1; // -1: nothing known
    Mode mode = Mode::Text;
};

// Finds the context of a caret. It reads at most Reach bytes before the caret and
// TagReach after it, whatever the length of the text; without a known start within that
// stretch it reads the stretch as if it began in plain text, so a comment, script or
// style sheet that opened before it is not seen.
class ContextFinder {
public:
    static constexpr int Reach = 32 * 1024;
    static constexpr int TagReach = 8 * 1024;
    // The longest word (element, attribute or reference name, typed value) completed.
    static constexpr int WordReach = 1024;

    explicit ContextFinder(const HtmlKnowledgeBase& kb) : kb_(kb) {}

    [[nodiscard]] CompletionContext Find(const TextControl& control, int caret,
                                         KnownStart known = {});

private:
    const HtmlKnowledgeBase& kb_;
    std::string text_; // the stretch read, reused between calls
};

} // namespace velto
