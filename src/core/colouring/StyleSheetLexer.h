// StyleSheetLexer: colours CSS inside a page, resumable between tokens.
#pragma once

#include "core/colouring/LexSpan.h"
#include "core/colouring/LexState.h"

namespace velto {

// Lexes span from pos with the state s, as LexScript does: until pos reaches limit (a
// token may end past it, never past span.end) or span.end; false when a token needs
// characters past a soft end, pos then being the token's start.
bool LexStyleSheet(const LexSpan& span, std::size_t& pos, std::size_t limit, SheetState& s,
                   StyleBatch& out);

// The state for the declarations of a style attribute ("color: red; margin: 0").
[[nodiscard]] SheetState DeclarationListState() noexcept;

} // namespace velto
