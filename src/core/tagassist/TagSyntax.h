// The lexical rules of tags shared by the colouring, the tag parser and Strip Tags.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

// A tag-name character: an ASCII letter or digit, '.', '-' or '!'. Bytes from 0x80 up are not.
[[nodiscard]] constexpr bool IsTagNameChar(unsigned char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '.' || c == '-' || c == '!';
}

// A tag opener is a '<' followed by the end of the text, by a tag-name character, or by
// '/' and a tag-name character. So "< B>" and "<=" are text.
[[nodiscard]] bool IsTagOpener(std::string_view text, std::size_t pos) noexcept;

// A tag boundary is a tag opener or a '>'.
[[nodiscard]] inline bool IsTagBoundary(std::string_view text, std::size_t pos) noexcept {
    return text[pos] == '>' || IsTagOpener(text, pos);
}

// A tag found in a text: [start, end) with text[start] == '<' and text[end - 1] == '>'.
struct TagSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    bool operator==(const TagSpan&) const = default;
};

// Finds the next tag at or after `from`. A later opener replaces an earlier candidate
// ("<a <b>" gives "<b>"); a comment runs from "<!--" to the end of the first "-->" after
// it, and an unclosed comment ends the search; a '>' without a candidate is text.
[[nodiscard]] std::optional<TagSpan> FindNextTag(std::string_view text, std::size_t from) noexcept;

// The element name of a tag: after the '<' and one optional '/', at most 72 tag-name
// characters.
[[nodiscard]] std::string_view TagElementName(std::string_view tag) noexcept;
inline constexpr std::size_t MaxTagNameLength = 72;

// The text with every tag removed; the text between tags is kept unchanged.
[[nodiscard]] std::string StripTags(std::string_view text);

} // namespace velto
