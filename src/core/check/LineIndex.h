// LineIndex: lines and columns of byte offsets in a text, as people count them: lines from
// 1 (ended by LF, CR LF or CR alone), columns in characters from 1 (a byte that is not
// part of well-formed UTF-8 counts as one).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace velto {

class LineIndex {
public:
    explicit LineIndex(std::string_view text);

    struct Position {
        std::size_t line = 1;
        std::size_t column = 1;
    };
    // The character at (or holding) the byte at offset.
    [[nodiscard]] Position At(std::size_t offset) const noexcept;
    // The last character of the range [start, end): where an inclusive range ends. An
    // empty range ends where it starts.
    [[nodiscard]] Position LastOf(std::size_t start, std::size_t end) const noexcept;

private:
    [[nodiscard]] std::size_t CharacterLength(std::size_t pos) const noexcept;

    std::string_view text_;
    std::vector<std::size_t> starts_; // the offset of each line's first byte
};

} // namespace velto
