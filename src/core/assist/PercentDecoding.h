// %XX escapes of URLs turned back into the bytes they stand for.
#pragma once

#include <string>
#include <string_view>

namespace velto {

// Each "%" followed by two hexadecimal digits becomes that byte; anything else, a "%"
// without two digits included, is kept as written, as browsers read a URL's path.
[[nodiscard]] std::string PercentDecode(std::string_view text);

} // namespace velto
