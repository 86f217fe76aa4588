// The unlimited per-view undo history.
#include "core/document/UndoHistory.h"

namespace velto {

void CUndoHistory::Add(CUndoDelta record) {
    if (state_ == Undone) {
        records_.resize(current_);
        ids_.resize(current_);
    } else if (state_ == Redone || state_ == Added) {
        records_.resize(current_ + 1);
        ids_.resize(current_ + 1);
    }
    records_.push_back(std::move(record));
    ids_.push_back(nextId_++);
    current_ = records_.size() - 1;
    ForwardMoved();
    state_ = Added;
}

const CUndoDelta* CUndoHistory::Step(Direction direction) {
    if (direction == Direction::Backward) {
        if (!CanUndo())
            return nullptr;
        if (state_ == Undone)
            --current_;
        BackwardMoved();
        state_ = Undone;
    } else {
        if (!CanRedo())
            return nullptr;
        if (state_ == Redone)
            ++current_;
        ForwardMoved();
        state_ = Redone;
    }
    return &records_[current_];
}

void CUndoHistory::Clear() {
    records_.clear();
    ids_.clear();
    current_ = 0;
    state_ = Empty;
    MarkSaved();
}

void CUndoHistory::MarkSaved() {
    atSaved_ = true;
    savedMark_ = 0;
    savedDirection_ = Direction::Forward;
}

void CUndoHistory::ForgetSavedState() {
    // No record has id 0, so the saved mark is never met again.
    atSaved_ = false;
    savedMark_ = 0;
}

bool CUndoHistory::CanUndo() const noexcept {
    return state_ == Added || state_ == Redone || (state_ == Undone && current_ > 0);
}

bool CUndoHistory::CanRedo() const noexcept {
    return state_ == Undone || (state_ == Redone && current_ + 1 < records_.size());
}

void CUndoHistory::ForwardMoved() {
    if (atSaved_) {
        savedDirection_ = Direction::Forward;
        atSaved_ = false;
        savedMark_ = CurrentId();
    } else if (savedDirection_ == Direction::Backward && state_ != Added &&
               CurrentId() == savedMark_) {
        MarkSaved();
    }
}

void CUndoHistory::BackwardMoved() {
    if (atSaved_) {
        savedDirection_ = Direction::Backward;
        atSaved_ = false;
        savedMark_ = CurrentId();
    } else if (savedDirection_ == Direction::Forward && CurrentId() == savedMark_) {
        MarkSaved();
    }
}

} // namespace velto
