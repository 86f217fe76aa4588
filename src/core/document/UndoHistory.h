// The unlimited per-view undo history, which also knows when the text is back at the
// state last saved.
#pragma once

#include "core/document/UndoDelta.h"

#include <cstdint>
#include <vector>

namespace velto {

class CUndoHistory {
public:
    enum State { Empty = 0, Added = 1, Undone = 2, Redone = 3 };
    enum class Direction { Forward, Backward };

    // Adds a new record after the current one; records that could still be redone go.
    void Add(CUndoDelta record);
    // Moves for Undo (Direction::Backward) or Redo (Direction::Forward) and returns the
    // record to apply, or nullptr when there is nothing to move to.
    const CUndoDelta* Step(Direction direction);
    void Clear();
    // The text now equals the text last saved or loaded.
    void MarkSaved();
    // The text differs from the saved file in a way no record undoes (a recovered text,
    // a load cut short): no step of the history leads back to the saved state.
    void ForgetSavedState();

    [[nodiscard]] bool CanUndo() const noexcept;
    [[nodiscard]] bool CanRedo() const noexcept;
    [[nodiscard]] bool AtSaved() const noexcept { return atSaved_; }
    [[nodiscard]] State GetState() const noexcept { return state_; }
    [[nodiscard]] std::size_t Size() const noexcept { return records_.size(); }

private:
    void ForwardMoved();
    void BackwardMoved();
    std::uint64_t CurrentId() const { return ids_[current_]; }

    std::vector<CUndoDelta> records_;
    // A unique number per record, so that the saved mark never matches a record that
    // replaced a deleted one.
    std::vector<std::uint64_t> ids_;
    std::uint64_t nextId_ = 1;
    std::size_t current_ = 0;
    State state_ = Empty;
    bool atSaved_ = true;
    Direction savedDirection_ = Direction::Forward;
    std::uint64_t savedMark_ = 0; // 0: none
};

} // namespace velto
