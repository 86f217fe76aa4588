// Where in a start tag a caret stands: in the element name, in an attribute's name or value,
// or between attributes; and how far the word, the value and the tag go on after it.
#pragma once

#include <cstddef>
#include <string_view>

namespace velto {

struct TagCaretState {
    enum class Where {
        Name,              // the element name
        AttributeName,     // an attribute's name
        BetweenAttributes, // after a blank, a value or a name: the place for a new attribute
        AfterEquals,       // after an attribute's '=' (and blanks), before its value
        UnquotedValue,
        QuotedValue,
    };
    Where where = Where::Name;
    bool endTag = false;
    // Offsets into the tag text. The word at the caret starts at wordStart (an element or
    // attribute name, or a value's text after its quote).
    std::size_t nameStart = 1; // the element name, after the '<' and any '/'
    std::size_t nameEnd = 1;
    std::size_t wordStart = 0;
    // The attribute a value belongs to, and where the value starts (its quote, if any).
    std::size_t attributeStart = 0;
    std::size_t attributeEnd = 0;
    std::size_t valueStart = 0;
    char quote = 0;
};

// Reads a start or end tag from its '<' up to the caret (the end of the text), as the
// browsers split attributes: names end at a blank, '=', '/' or '>', values are quoted or run
// to a blank.
[[nodiscard]] TagCaretState ScanTagToCaret(std::string_view tagToCaret) noexcept;

// What follows the caret in the same tag, in offsets into `after` (the text from the caret).
struct TagRest {
    std::size_t wordEnd = 0;  // the end of the word the caret is in
    std::size_t valueEnd = 0; // past the value, its closing quote included when there is one
    bool equalsFollows = false; // an attribute name is followed by its '='
    bool closed = false;        // a '>' ends the tag before any other tag starts
    std::size_t tagEnd = 0;     // past that '>', or where the tag was given up
};
[[nodiscard]] TagRest ScanTagFromCaret(std::string_view after, const TagCaretState& state) noexcept;

// The characters of an attribute name as browsers read them.
[[nodiscard]] constexpr bool IsAttributeNameChar(char c) noexcept {
    return !(c == ' ' || (c >= '\t' && c <= '\r') || c == '"' || c == '\'' || c == '=' ||
             c == '>' || c == '/' || c == '<');
}

} // namespace velto
