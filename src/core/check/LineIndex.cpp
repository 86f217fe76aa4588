// LineIndex: byte offsets to lines and columns.
#include "core/check/LineIndex.h"

#include <algorithm>
#include <cstring>

namespace velto {

LineIndex::LineIndex(std::string_view text) : text_(text) {
    starts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            starts_.push_back(i + 1);
    }
}

LineIndex::Position LineIndex::At(std::size_t offset) const noexcept {
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const std::size_t line = static_cast<std::size_t>(after - starts_.begin());
    const std::size_t lineStart = starts_[line - 1];
    // Bytes that continue a UTF-8 sequence are not characters of their own.
    std::size_t column = 1;
    for (std::size_t i = lineStart; i < offset; ++i)
        if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80)
            ++column;
    return {line, column};
}

LineIndex::Position LineIndex::LastOf(std::size_t start, std::size_t end) const noexcept {
    if (end <= start)
        return At(start);
    std::size_t last = std::min(end, text_.size()) - 1;
    while (last > start && (static_cast<unsigned char>(text_[last]) & 0xC0) == 0x80)
        --last;
    return At(last);
}

} // namespace velto
