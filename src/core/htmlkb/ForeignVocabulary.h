// Names that HTML5 pages use without their being HTML elements: the elements of SVG and
// MathML, which live inside <svg> and <math>, and the custom elements that pages and
// their scripts define themselves.
#pragma once

#include <string_view>

namespace velto {

// An SVG or MathML element name ("path", "linearGradient", "mrow"), in any letter case.
[[nodiscard]] bool IsForeignElementName(std::string_view name) noexcept;

// A valid custom element name: a lower-case ASCII letter first, a hyphen somewhere, only
// lower-case letters, digits, '-', '.' and '_' (and characters from U+00B7 up) after it,
// and not one of the names SVG and MathML reserved ("font-face", "annotation-xml"...).
// HTML's parser folds letter case, so "<My-Widget>" names the element "my-widget".
[[nodiscard]] bool IsCustomElementName(std::string_view name) noexcept;

} // namespace velto
