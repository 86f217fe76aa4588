// The optional menu header of template and snippet files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velto {

// A template or snippet may begin with a comment that names it in menus:
//   <!--
//   MENU: Text shown for the file
//   -->
// The header runs through the first line after the "MENU:" line that contains "-->".
// Returns the offset at which the insertable text begins: after the header and the
// empty or blank lines that follow it, or 0 when there is no header (or it never closes,
// in which case nothing is hidden from the user).
std::size_t TemplateBodyOffset(std::string_view text);

// The "MENU:" text of a header (leading white space removed), or empty.
std::string TemplateMenuText(std::string_view text);

} // namespace velto
