// The text pieces the generated reference is made of: HTML escaping, anchor names,
// version badges, page frames, and fields that the index reader can take.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto::reftext {

// Text for an HTML page: &, <, > and " as character references.
[[nodiscard]] std::string Escape(std::string_view text);

// A name as part of an anchor: ASCII letters in lower case, digits and '-' kept, every
// other byte written as '_' and two hexadecimal digits ("!--" gives "_21--").
[[nodiscard]] std::string Slug(std::string_view name);

// A field of an index line. The index reader cuts lines at ';' (a comment) and fields at
// ',', so both become spaces; control characters too; runs of spaces become one, and the
// ends are trimmed.
[[nodiscard]] std::string IndexField(std::string_view text);

// A topic title for an index line: the text up to its first ',' or ';', as a field.
[[nodiscard]] std::string IndexTitle(std::string_view text);

// The HTML versions and browsers of a version mask, in a fixed order ("HTML 3.2",
// "Navigator 2.0", "obsolete"...); a mask of every version gives "every version".
[[nodiscard]] std::vector<std::string> VersionNames(std::uint32_t versions);

// The version names as badges for a page, "none listed" when there are none.
[[nodiscard]] std::string VersionBadges(std::uint32_t versions);

// The start of a page up to and including the opening of its body, with the title, and
// its end.
[[nodiscard]] std::string PageStart(std::string_view title);
[[nodiscard]] std::string PageEnd();

} // namespace velto::reftext
