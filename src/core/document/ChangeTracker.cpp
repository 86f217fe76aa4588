// Turns the text control's before-change notifications into undo records.
#include "core/document/ChangeTracker.h"

#include <algorithm>

namespace velto {

void ChangeTracker::Begin(int pos, int caretBefore) {
    if (!pending_)
        pending_ = Pending{pos, {}, 0, caretBefore};
}

void ChangeTracker::Cover(int first, int pastEnd, const RangeReader& read) {
    Pending& p = *pending_;
    const int end = p.start + p.newLength;
    if (first < p.start) {
        p.oldText.insert(0, read(first, p.start));
        p.newLength += p.start - first;
        p.start = first;
    }
    if (pastEnd > end) {
        p.oldText += read(end, pastEnd);
        p.newLength += pastEnd - end;
    }
}

void ChangeTracker::BeforeDelete(int pos, std::string_view removed, int caretBefore,
                                 const RangeReader& read) {
    if (Suppressed() || removed.empty())
        return;
    const int length = static_cast<int>(removed.size());
    if (!pending_) {
        pending_ = Pending{pos, std::string(removed), 0, caretBefore};
        return;
    }
    Cover(pos, pos + length, read);
    pending_->newLength -= length;
}

void ChangeTracker::BeforeInsert(int pos, int length, int caretBefore, const RangeReader& read) {
    if (Suppressed() || length <= 0)
        return;
    Begin(pos, caretBefore);
    Cover(pos, pos, read);
    pending_->newLength += length;
}

std::optional<CUndoDelta> ChangeTracker::Complete(std::string newText, int caretAfter) {
    if (!pending_)
        return std::nullopt;
    Pending p = std::move(*pending_);
    pending_.reset();
    CUndoDelta d;
    d.oldStart = p.start;
    d.caretBefore = p.caretBefore;
    d.oldText = std::move(p.oldText);
    d.newStart = p.start;
    d.newEnd = p.start + static_cast<int>(newText.size());
    d.newText = std::move(newText);
    d.extra = pendingKind_;
    d.caretAfter = caretAfter;
    pendingKind_ = KindNone;
    return d;
}

} // namespace velto
