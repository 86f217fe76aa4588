// The line ends of a text: which one a document uses, and texts made to use it.
#pragma once

#include <string>
#include <string_view>

namespace velto {

// The line end of the first line break in text: "\r\n", "\r" or "\n"; "\n" when there is
// none, as on this platform.
[[nodiscard]] std::string_view DetectLineEnd(std::string_view text) noexcept;

// text with every "\r\n" written as lineEnd.
[[nodiscard]] std::string WithLineEnds(std::string_view text, std::string_view lineEnd);

// text with every line end, "\r\n", a lone "\r" or "\n", written as lineEnd (as the
// text control makes pasted text use the document's line ends).
[[nodiscard]] std::string AllLineEndsAs(std::string_view text, std::string_view lineEnd);

} // namespace velto
