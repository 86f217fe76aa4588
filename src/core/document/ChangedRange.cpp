// The span of text that one editing step changed.
#include "core/document/ChangedRange.h"

#include <algorithm>

namespace velto {

void ChangedRange::Inserted(int pos, int n) noexcept {
    if (n <= 0)
        return;
    inserted_ = true;
    if (!changed_) {
        changed_ = true;
        first_ = pos;
        pastEnd_ = pos + n;
        return;
    }
    // Text at or after the insertion point moves on by its length.
    auto map = [&](int x) { return x < pos ? x : x + n; };
    first_ = std::min(map(first_), pos);
    pastEnd_ = std::max(map(pastEnd_), pos + n);
}

void ChangedRange::Deleted(int pos, int length) noexcept {
    if (length <= 0)
        return;
    if (!changed_) {
        changed_ = true;
        first_ = pastEnd_ = pos;
        return;
    }
    // Text after the deleted span moves back; text inside it collapses to its start.
    auto map = [&](int x) { return x < pos ? x : (x < pos + length ? pos : x - length); };
    first_ = std::min(map(first_), pos);
    pastEnd_ = std::max(map(pastEnd_), pos);
}

} // namespace velto
