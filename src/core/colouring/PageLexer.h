// PageLexer: colours a page's text, tags, comments, attribute values, character
// references and the style sheets and scripts inside it, from any point where its state is
// known.
#pragma once

#include "core/colouring/LexState.h"
#include "core/colouring/StyleBatch.h"
#include "core/htmlkb/AppearanceClasses.h"

#include <climits>
#include <string_view>

namespace velto {

// The classes that depend on the knowledge base and the version selection.
class LexClasses {
public:
    virtual ~LexClasses() = default;
    // The class of a tag, from its '<' to its '>'.
    [[nodiscard]] virtual AppearanceClass ClassOfTag(std::string_view tag) = 0;
    // The class of a named character reference (its name without '&' and ';').
    [[nodiscard]] virtual AppearanceClass ClassOfReference(std::string_view name) = 0;
};

// Told where the lexer stands between tokens, from `next` on; answers whether to stop there.
class LexWatcher {
public:
    virtual ~LexWatcher() = default;
    // The lexer calls At at the first boundary between tokens at or after this position;
    // At sets it further on (past pos) when it does not stop.
    int next = INT_MAX;
    // `horizon` is past every character that the lexing up to pos has looked at: an edit
    // at or after it cannot change anything before pos.
    virtual bool At(int pos, const LexState& state, int horizon) = 0;
};

// A window of the control's text: text[0] is at absolute position base.
struct LexWindow {
    std::string_view text;
    int base = 0;
    bool final = false; // the window reaches the end of the text
};

class PageLexer {
public:
    enum class Outcome {
        Stopped,  // the watcher said stop
        Finished, // the end of the text
        Starved,  // the window ended before the text: call again with more from pos
    };

    explicit PageLexer(LexClasses& classes) : classes_(classes) {}

    // Lexes from pos (absolute, in the window) in state, writing one style per character to
    // out, until the watcher stops it or the window ends. pos, state and horizon are
    // updated to where it stopped, which is always between tokens.
    Outcome Lex(const LexWindow& window, int& pos, LexState& state, int& horizon, StyleBatch& out,
                LexWatcher& watch);

private:
    bool Text();
    bool Comment();
    bool RawText();
    bool Reference(std::size_t end, bool hardEnd, bool inValue, AppearanceClass plain);
    bool Opener();
    bool Tag();
    void StyleTag(std::size_t start, std::size_t end);
    void StyleValue(std::string_view attribute, std::size_t start, std::size_t end, bool quoted,
                    bool closed);
    void StartRawText(std::string_view element, std::string_view type);
    void FindRawTextEnd();
    void Examined(std::size_t end) noexcept; // relative; the window's end + 1 for the text's end
    [[nodiscard]] std::size_t WatchLimit() const noexcept;

    LexClasses& classes_;
    // The current lexing.
    std::string_view t_;
    int base_ = 0;
    bool final_ = false;
    std::size_t r_ = 0; // offset into t_
    LexState* s_ = nullptr;
    int* horizon_ = nullptr;
    StyleBatch* out_ = nullptr;
    LexWatcher* watch_ = nullptr;
    AppearanceClass commentClass_ = AppearanceClass::Comment;
    // Where the raw text the lexer is in ends, once looked for.
    bool rawEndKnown_ = false;
    std::size_t rawEnd_ = 0;
    bool rawEndHard_ = false;
};

} // namespace velto
