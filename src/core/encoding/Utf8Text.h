// UTF-8 at the byte level: validity, reading and writing one character, and where a
// character stands in lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velto {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points
// past U+10FFFF), as the standard's decoder accepts without an error.
[[nodiscard]] bool IsValidUtf8(std::string_view bytes) noexcept;
[[nodiscard]] bool IsAscii(std::string_view bytes) noexcept;

// The character at pos and its length in bytes; for a malformed sequence, -1 and the
// length of the bytes to step over (at least 1).
struct Utf8Char {
    char32_t ch;
    std::size_t length;
    [[nodiscard]] bool Valid() const noexcept { return ch != static_cast<char32_t>(-1); }
};
[[nodiscard]] Utf8Char ReadUtf8(std::string_view text, std::size_t pos) noexcept;

void AppendUtf8(std::string& out, char32_t ch);

// The line (from 1) on which byte offset pos lies.
[[nodiscard]] std::size_t LineOfOffset(std::string_view text, std::size_t pos) noexcept;

} // namespace velto
