// Names typed in the Site dock for a new page, a new folder or a rename: what is wrong
// with one, and the file name a new page gets.
#pragma once

#include <string>
#include <string_view>

namespace velto {

// The name without the blanks around it.
[[nodiscard]] std::string_view TrimmedName(std::string_view name) noexcept;

// Why the name cannot be made in the folder (empty, a separator or a control character in
// it, "." or "..", too long, or something of that name there already); empty when it can.
[[nodiscard]] std::string NewNameProblem(const std::string& folder, std::string_view name);

// A new page's file name: ".html" added when the name has no extension.
[[nodiscard]] std::string PageFileName(std::string_view name);

} // namespace velto
