// ColouringCheckpoints: the lexer's state at points of a page, and the stretches whose
// colours are not settled yet, kept in step with the edits of the text.
#pragma once

#include "core/colouring/LexState.h"

#include <cstddef>
#include <vector>

namespace velto {

// A colouring can start at any checkpoint: from there the lexer goes on as if it had come
// from the start of the text. So an edit is coloured from the last checkpoint before it
// until the lexer reaches a later checkpoint in the state stored there, after which
// nothing can differ from before; and a page is coloured in pieces, each starting where
// the last one stopped.
class ColouringCheckpoints {
public:
    struct Checkpoint {
        int pos = 0;
        // Past every character that the lexing before pos looked at: an edit from here
        // on leaves the checkpoint as it is.
        int horizon = 0;
        LexState state;
    };
    // [start, end] still to colour: the lexer must come from before start and get past
    // end before the colours after it can be trusted again.
    struct Pending {
        int start = 0;
        int end = 0;
        bool operator==(const Pending&) const = default;
    };

    ColouringCheckpoints() { Forget(); }

    // Nothing known and nothing to colour (the start of the text is always known).
    void Forget();
    // Nothing known, everything of a text of this length to colour.
    void Restart(int length);
    // The text changed: [first, oldPastEnd) became [first, newPastEnd). Checkpoints that
    // saw the change go, later ones move with the text; with uncolour, the change is
    // pending (else only pending stretches move).
    void Edited(int first, int oldPastEnd, int newPastEnd, bool uncolour);
    // Marks [start, end] to colour again.
    void AddPending(Pending range);

    [[nodiscard]] const std::vector<Checkpoint>& Points() const noexcept { return points_; }
    [[nodiscard]] std::vector<Checkpoint>& Points() noexcept { return points_; }
    [[nodiscard]] const std::vector<Pending>& PendingRanges() const noexcept { return pending_; }
    [[nodiscard]] std::vector<Pending>& PendingRanges() noexcept { return pending_; }
    [[nodiscard]] bool Complete() const noexcept { return pending_.empty(); }

    // The last checkpoint at or before pos.
    [[nodiscard]] std::size_t LastAtOrBefore(int pos) const noexcept;

private:
    std::vector<Checkpoint> points_; // by position, strictly increasing, the first at 0
    std::vector<Pending> pending_;   // by position, apart from each other
};

} // namespace velto
