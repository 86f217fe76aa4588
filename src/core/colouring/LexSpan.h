// LexSpan: the text a lexer of embedded content reads, and the character classes the
// lexers share.
#pragma once

#include "core/colouring/StyleBatch.h"
#include "core/htmlkb/AppearanceClasses.h"

#include <cstdint>
#include <string_view>

namespace velto {

// Offsets into `text`, which is a window of the control's text. The lexer stops at `end`:
// where the content ends (the "</script" of a script, the closing quote of a value), or
// where the window ends while more text follows. A token that would need more than the
// window holds is left for a later call with a larger window.
struct LexSpan {
    std::string_view text;
    std::size_t end = 0;
    bool hardEnd = true; // end is the end of the content: tokens are cut there

    [[nodiscard]] char At(std::size_t i) const noexcept { return text[i]; }
    // Whether the character at i is known: before end, or the content has ended anyway.
    [[nodiscard]] bool Known(std::size_t i) const noexcept { return i < end || hardEnd; }
};

inline std::uint8_t Style(AppearanceClass c) noexcept {
    return static_cast<std::uint8_t>(c);
}

namespace lexchars {

constexpr bool IsSpace(unsigned char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
constexpr bool IsDigit(unsigned char c) noexcept {
    return c >= '0' && c <= '9';
}
constexpr bool IsLetter(unsigned char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool IsHexDigit(unsigned char c) noexcept {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
// Letters, '$', '_' and every byte of a multibyte UTF-8 character start a script name.
constexpr bool IsScriptNameStart(unsigned char c) noexcept {
    return IsLetter(c) || c == '$' || c == '_' || c >= 0x80;
}
constexpr bool IsScriptNameChar(unsigned char c) noexcept {
    return IsScriptNameStart(c) || IsDigit(c);
}
// The characters of a CSS name after its first ('-' and digits included).
constexpr bool IsSheetNameChar(unsigned char c) noexcept {
    return IsLetter(c) || IsDigit(c) || c == '-' || c == '_' || c >= 0x80;
}

} // namespace lexchars
} // namespace velto
