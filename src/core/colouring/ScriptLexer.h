// ScriptLexer: colours JavaScript (and JSON) inside a page, resumable between tokens.
#pragma once

#include "core/colouring/LexSpan.h"
#include "core/colouring/LexState.h"

namespace velto {

// Lexes span from pos with the state s, writing one style per character to out, until pos
// reaches limit (a token may end past it, never past span.end) or span.end. Comments,
// strings, template text and regular expressions continue from one call to the next in
// the state, so a call may stop inside them. Returns false when a token needs characters
// past a soft end: pos is then the token's start, and nothing was written for it.
bool LexScript(const LexSpan& span, std::size_t& pos, std::size_t limit, ScriptState& s,
               StyleBatch& out);

// Whether a name is one of JavaScript's keywords or literals (true, null, this ...).
[[nodiscard]] bool IsScriptKeyword(std::string_view name) noexcept;

} // namespace velto
