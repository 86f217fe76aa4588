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
//
// The checkpoints sit on either side of a gap that follows the edits: those before it keep
// their positions, those after it their distance from the end of the text. So an edit
// moves no checkpoint but the few it passes, however long the text.
class ColouringCheckpoints {
public:
    struct Checkpoint {
        int pos = 0;
        // Past every character that the lexing before pos looked at: an edit from here
        // on leaves the checkpoint as it is. It never falls from one checkpoint to the next.
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

    ColouringCheckpoints() { Forget(0); }

    // Nothing known and nothing to colour in a text of this length (the start of the text
    // is always known).
    void Forget(int length);
    // Nothing known, everything to colour.
    void Restart(int length);
    // The text changed: [first, oldPastEnd) became [first, newPastEnd). Checkpoints that
    // saw the change go, later ones move with the text; with uncolour, the change is
    // pending (else only pending stretches move).
    void Edited(int first, int oldPastEnd, int newPastEnd, bool uncolour);
    // Marks [start, end] to colour again.
    void AddPending(Pending range);

    [[nodiscard]] std::size_t Count() const noexcept { return before_.size() + after_.size(); }
    [[nodiscard]] Checkpoint At(std::size_t i) const noexcept;
    // Replaces the checkpoints [first, last) with `with`, which lie between their neighbours.
    void Replace(std::size_t first, std::size_t last, const std::vector<Checkpoint>& with);
    void SetHorizon(std::size_t i, int horizon);
    // The last checkpoint at or before pos.
    [[nodiscard]] std::size_t LastAtOrBefore(int pos) const noexcept;

    [[nodiscard]] const std::vector<Pending>& PendingRanges() const noexcept { return pending_; }
    [[nodiscard]] std::vector<Pending>& PendingRanges() noexcept { return pending_; }
    [[nodiscard]] bool Complete() const noexcept { return pending_.empty(); }

private:
    // The first checkpoint whose horizon is past pos.
    [[nodiscard]] std::size_t FirstHorizonAfter(int pos) const noexcept;
    void MoveGapTo(std::size_t index);

    int length_ = 0;
    std::vector<Checkpoint> before_; // absolute positions, in order, the first at 0
    std::vector<Checkpoint> after_;  // distances from the end, the last first
    std::vector<Pending> pending_;   // by position, apart from each other
};

} // namespace velto
