// LexState: where the page lexer stands between two characters, small enough to keep one
// at every checkpoint of a page.
#pragma once

#include <array>
#include <cstdint>

namespace velto {

// Inside a script (or a JSON block, or an event handler value).
struct ScriptState {
    enum class Mode : std::uint8_t {
        Code,
        LineComment,
        BlockComment,
        String,   // '...' or "..."
        Template, // the text of a `...` literal
        Regex,
        RegexClass, // [...] inside a regular expression, where '/' does not end it
        RegexFlags,
    };
    static constexpr std::size_t MaxTemplateDepth = 8;

    Mode mode = Mode::Code;
    char quote = 0;         // of the string
    bool escape = false;    // the previous character was a backslash
    bool star = false;      // a block comment's previous character was '*'
    bool regexOk = true;    // a '/' here starts a regular expression, not a division
    bool afterDot = false;  // the previous token was a '.': a name here is a property
    bool json = false;      // JSON: no regular expressions, templates or keywords but literals
    std::uint8_t depth = 0; // open ${...} of template literals
    // For each open ${, the braces opened inside it and not yet closed.
    std::array<std::uint8_t, MaxTemplateDepth> braces{};

    bool operator==(const ScriptState&) const = default;
};

// Inside a style sheet (or a style attribute's declarations).
struct SheetState {
    enum class Context : std::uint8_t {
        Rules,    // selectors, up to a '{'
        AtRule,   // the prelude of an at-rule, up to a '{' or ';'
        Property, // a declaration's name, up to a ':'
        Value,    // a declaration's value, up to a ';' or '}'
    };
    enum class Inside : std::uint8_t { Nothing, Comment, String, Url };
    static constexpr std::uint8_t MaxDepth = 31;

    Context context = Context::Rules;
    Inside inside = Inside::Nothing;
    char quote = 0;
    bool escape = false;
    bool star = false;
    bool atDeclarations = false;         // the at-rule's block holds declarations (@font-face)
    bool topDeclarations = false;        // the outermost level holds declarations (style="...")
    std::uint8_t depth = 0;              // open braces
    std::uint32_t declarationBlocks = 0; // bit d: the block at depth d + 1 holds declarations
    std::uint8_t colourParens = 0;       // open parentheses of rgb(...) and the like

    bool operator==(const SheetState&) const = default;
};

struct LexState {
    enum class Mode : std::uint8_t {
        Text,
        Comment,     // <!-- ... -->
        Script,      // the contents of a script element, as JavaScript
        Json,        // the contents of a JSON script element
        OtherScript, // the contents of a script element of another type: text
        StyleSheet,  // the contents of a style element
    };

    Mode mode = Mode::Text;
    std::uint8_t commentDashes = 0; // '-' just before, toward a comment's "-->"
    ScriptState script;
    SheetState sheet;

    bool operator==(const LexState&) const = default;
};

} // namespace velto
