// Keeping a page's own declaration of its encoding true: where it is, and the edit that
// makes it name another encoding (or adds one after <head>).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

struct TextEdit {
    std::size_t offset = 0;
    std::size_t length = 0; // bytes replaced
    std::string text;       // what replaces them
};

// The edit that makes the page declare the encoding (by its name, e.g. "windows-1252"):
// the value of an existing <meta charset>, of the charset in an http-equiv content, or
// of the XML declaration's encoding is replaced; with none, <meta charset="..."> goes
// right after the <head> start tag, in that tag's letter case. Nothing when the page
// already says so (in any case) or has neither a declaration nor a head.
[[nodiscard]] std::optional<TextEdit> DeclarationEdit(std::string_view text, std::string_view encodingName);

} // namespace velto
