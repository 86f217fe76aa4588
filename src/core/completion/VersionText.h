// The versions and browsers a knowledge base record belongs to, as the user reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velto {

class CHtmlConfig;

// "Versions: HTML v3.2, HTML v4.0, HTML5" and "Browsers: Internet Explorer 3.0, ...", named
// as the Options dialog names them (with the HTML 3.0 drafts and Internet Explorer 4.0,
// which no one selects); one line "Versions: every version" for a record of all of them.
[[nodiscard]] std::vector<std::string> VersionLines(const CHtmlConfig& config, std::uint32_t versions);

// Whether a record of the older versions is left out of the living standard, or marked
// obsolete outright.
[[nodiscard]] bool IsObsoleteInHtml5(std::uint32_t versions) noexcept;

} // namespace velto
