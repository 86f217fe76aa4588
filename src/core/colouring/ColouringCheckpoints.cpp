// ColouringCheckpoints: following edits, and the stretches still to colour.
#include "core/colouring/ColouringCheckpoints.h"

#include <algorithm>

namespace velto {

void ColouringCheckpoints::Forget() {
    points_.assign(1, Checkpoint{});
    pending_.clear();
}

void ColouringCheckpoints::Restart(int length) {
    Forget();
    pending_.push_back({0, std::max(0, length)});
}

void ColouringCheckpoints::Edited(int first, int oldPastEnd, int newPastEnd, bool uncolour) {
    const int delta = newPastEnd - oldPastEnd;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        Checkpoint c = points_[i];
        if (c.pos <= first && c.horizon <= first) {
            // Nothing it depends on changed.
        } else if (c.pos >= oldPastEnd && c.pos + delta > first) {
            // An old state, to be met again; one that a deletion brings to the change
            // itself would be taken for the state there, so it goes.
            c.pos += delta;
            c.horizon += delta;
        } else {
            continue;
        }
        if (kept > 0 && points_[kept - 1].pos >= c.pos)
            continue;
        points_[kept++] = c;
    }
    points_.resize(kept);

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

std::size_t ColouringCheckpoints::LastAtOrBefore(int pos) const noexcept {
    const auto it = std::upper_bound(points_.begin(), points_.end(), pos,
                                     [](int p, const Checkpoint& c) { return p < c.pos; });
    return it == points_.begin() ? 0 : static_cast<std::size_t>(it - points_.begin()) - 1;
}

} // namespace velto
