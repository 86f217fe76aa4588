// EditLog: ranges carried through later edits.
#include "core/check/EditLog.h"

#include <algorithm>

namespace velto {

void EditLog::DropFirst(std::size_t count) {
    edits_.erase(edits_.begin(),
                 edits_.begin() + static_cast<std::ptrdiff_t>(std::min(count, edits_.size())));
}

std::pair<std::size_t, std::size_t> EditLog::Map(std::size_t start,
                                                 std::size_t end) const noexcept {
    for (const Edit& e : edits_) {
        const std::size_t after = e.pos + e.removed;
        if (start >= after)
            start = start - e.removed + e.inserted;
        else if (start > e.pos)
            start = e.pos + e.inserted;
        if (end > after)
            end = end - e.removed + e.inserted;
        else if (end > e.pos)
            end = e.pos;
        end = std::max(start, end);
    }
    return {start, end};
}

} // namespace velto
