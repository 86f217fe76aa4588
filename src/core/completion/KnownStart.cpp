// Where the colouring already knows the state of a page before a caret.
#include "core/completion/KnownStart.h"

#include "core/colouring/CHtmlColourer.h"

#include <algorithm>

namespace velto {

KnownStart KnownStartBefore(const CHtmlColourer& colourer, int caret) noexcept {
    const ColouringCheckpoints& checkpoints = colourer.Checkpoints();
    const int pending = colourer.FirstPending();
    const int limit = pending < 0 ? caret : std::min(caret, pending);
    if (checkpoints.Count() == 0 || limit < 0)
        return {};
    const ColouringCheckpoints::Checkpoint at = checkpoints.At(checkpoints.LastAtOrBefore(limit));
    if (at.pos > limit)
        return {};
    KnownStart known;
    known.pos = at.pos;
    switch (at.state.mode) {
    case LexState::Mode::Text:
        known.mode = KnownStart::Mode::Text;
        break;
    case LexState::Mode::Comment:
        known.mode = KnownStart::Mode::Comment;
        break;
    case LexState::Mode::StyleSheet:
        known.mode = KnownStart::Mode::Style;
        break;
    case LexState::Mode::Script:
    case LexState::Mode::Json:
    case LexState::Mode::OtherScript:
        known.mode = KnownStart::Mode::Script;
        break;
    }
    return known;
}

} // namespace velto
