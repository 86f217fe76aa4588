// LineIndex: byte offsets to lines and columns.
#include "core/check/LineIndex.h"

#include "core/encoding/Utf8Text.h"

#include <algorithm>

namespace velto {

LineIndex::LineIndex(std::string_view text) : text_(text) {
    starts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            starts_.push_back(i + 1);
    }
}

// The bytes of the character at pos: a well-formed UTF-8 sequence, or one byte that is
// not part of one (a page kept as raw bytes shows each such byte on its own).
std::size_t LineIndex::CharacterLength(std::size_t pos) const noexcept {
    const Utf8Char c = ReadUtf8(text_, pos);
    return c.Valid() ? c.length : 1;
}

LineIndex::Position LineIndex::At(std::size_t offset) const noexcept {
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const std::size_t line = static_cast<std::size_t>(after - starts_.begin());
    std::size_t column = 1;
    for (std::size_t i = starts_[line - 1]; i < offset; ++column) {
        i += CharacterLength(i);
        if (i > offset)
            break; // offset is inside this character
    }
    return {line, column};
}

LineIndex::Position LineIndex::LastOf(std::size_t start, std::size_t end) const noexcept {
    if (end <= start)
        return At(start);
    const std::size_t last = std::min(end, text_.size()) - 1;
    // The character that ends at the range's last byte starts at most three bytes before it.
    for (std::size_t back = 3; back > 0; --back)
        if (last >= start + back && CharacterLength(last - back) == back + 1)
            return At(last - back);
    return At(last);
}

} // namespace velto
