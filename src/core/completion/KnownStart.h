// Where the colouring already knows the state of a page before a caret.
#pragma once

#include "core/completion/CompletionContext.h"

namespace velto {

class CHtmlColourer;

// The last checkpoint of the colouring at or before the caret whose state is settled (it
// lies before everything still to colour), as a known start for the context search; so a
// caret far inside a long script or comment is seen to be there.
[[nodiscard]] KnownStart KnownStartBefore(const CHtmlColourer& colourer, int caret) noexcept;

} // namespace velto
