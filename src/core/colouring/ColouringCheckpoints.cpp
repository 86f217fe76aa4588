// ColouringCheckpoints: following edits, and the stretches still to colour.
#include "core/colouring/ColouringCheckpoints.h"

#include <algorithm>

namespace velto {

namespace {
// A checkpoint after the gap counts from the end of the text; the same turns it back.
ColouringCheckpoints::Checkpoint Flipped(ColouringCheckpoints::Checkpoint c, int length) {
    c.pos = length - c.pos;
    c.horizon = length - c.horizon;
    return c;
}
} // namespace

void ColouringCheckpoints::Forget(int length) {
    length_ = std::max(0, length);
    before_.assign(1, Checkpoint{});
    after_.clear();
    pending_.clear();
}

void ColouringCheckpoints::Restart(int length) {
    Forget(length);
    pending_.push_back({0, length_});
}

ColouringCheckpoints::Checkpoint ColouringCheckpoints::At(std::size_t i) const noexcept {
    if (i < before_.size())
        return before_[i];
    return Flipped(after_[after_.size() - 1 - (i - before_.size())], length_);
}

void ColouringCheckpoints::MoveGapTo(std::size_t index) {
    index = std::min(index, Count());
    while (before_.size() > index) {
        after_.push_back(Flipped(before_.back(), length_));
        before_.pop_back();
    }
    while (before_.size() < index) {
        before_.push_back(Flipped(after_.back(), length_));
        after_.pop_back();
    }
}

void ColouringCheckpoints::Replace(std::size_t first, std::size_t last,
                                   const std::vector<Checkpoint>& with) {
    MoveGapTo(first);
    const std::size_t drop = std::min(last - first, after_.size());
    after_.resize(after_.size() - drop);
    before_.insert(before_.end(), with.begin(), with.end());
}

void ColouringCheckpoints::SetHorizon(std::size_t i, int horizon) {
    if (i < before_.size())
        before_[i].horizon = horizon;
    else
        after_[after_.size() - 1 - (i - before_.size())].horizon = length_ - horizon;
}

std::size_t ColouringCheckpoints::FirstHorizonAfter(int pos) const noexcept {
    std::size_t low = 0;
    std::size_t high = Count();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (At(mid).horizon > pos)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

std::size_t ColouringCheckpoints::LastAtOrBefore(int pos) const noexcept {
    std::size_t low = 0;
    std::size_t high = Count();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (At(mid).pos <= pos)
            low = mid + 1;
        else
            high = mid;
    }
    return low == 0 ? 0 : low - 1;
}

void ColouringCheckpoints::Edited(int first, int oldPastEnd, int newPastEnd, bool uncolour) {
    const int delta = newPastEnd - oldPastEnd;
    // Those that saw nothing of the change stay; of the rest, those after it move with the
    // text, and one that a deletion brings to the change itself (an old state there) goes.
    MoveGapTo(std::max<std::size_t>(1, FirstHorizonAfter(first)));
    while (!after_.empty()) {
        const Checkpoint c = Flipped(after_.back(), length_);
        if (c.pos >= oldPastEnd && c.pos + delta > first)
            break;
        after_.pop_back();
    }
    length_ += delta;

    std::vector<Pending> moved;
    moved.reserve(pending_.size() + 1);
    Pending change{first, newPastEnd};
    bool touched = uncolour;
    for (Pending p : pending_) {
        if (p.end < first) {
            moved.push_back(p);
            continue;
        }
        if (p.start > oldPastEnd) {
            p.start += delta;
            p.end += delta;
            moved.push_back(p);
            continue;
        }
        // Overlapping or touching the change: one stretch with it.
        const int end = p.end >= oldPastEnd ? p.end + delta : newPastEnd;
        change = touched ? Pending{std::min(change.start, p.start), std::max(change.end, end)}
                         : Pending{std::min(first, p.start), std::max(newPastEnd, end)};
        touched = true;
    }
    pending_ = std::move(moved);
    if (touched)
        AddPending(change);
}

void ColouringCheckpoints::AddPending(Pending range) {
    if (range.end < range.start)
        range.end = range.start;
    // Merge with every stretch it overlaps or touches.
    auto first = std::lower_bound(pending_.begin(), pending_.end(), range.start,
                                  [](const Pending& p, int start) { return p.end < start; });
    auto last = first;
    while (last != pending_.end() && last->start <= range.end) {
        range.start = std::min(range.start, last->start);
        range.end = std::max(range.end, last->end);
        ++last;
    }
    first = pending_.erase(first, last);
    pending_.insert(first, range);
}

} // namespace velto
