// The states and properties of WAI-ARIA, the "aria-" attributes that assistive technologies
// read.
#pragma once

#include <string_view>

namespace velto {

// Whether name (any letter case) is one of them, such as "aria-label".
[[nodiscard]] bool IsAriaAttribute(std::string_view name) noexcept;

} // namespace velto
