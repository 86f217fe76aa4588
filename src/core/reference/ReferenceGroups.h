// The pages of the generated HTML reference: which group of elements each page holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velto {

class HtmlMetaElement;

// One page of elements: its file name without extension, its heading and a line that
// says what it holds (shown on the introduction page).
struct ReferenceGroup {
    std::string_view stem;
    std::string_view title;
    std::string_view summary;
};

// The group pages in the order the introduction lists them.
[[nodiscard]] std::span<const ReferenceGroup> ReferenceGroups() noexcept;

// Elements that browsers brought in on their own: in no HTML recommendation or draft up
// to 3.2, shown by some browser, and either still outside HTML 4.0 or already in the
// browsers of the 2.0 generation before HTML 4.0 took them up.
[[nodiscard]] bool IsBrowserExtension(std::uint32_t versions) noexcept;

// The position in ReferenceGroups() of the page that describes the element. Every element
// has exactly one; elements that fit no rule go to the text page.
[[nodiscard]] std::size_t ReferenceGroupOf(const HtmlMetaElement& element) noexcept;

} // namespace velto
