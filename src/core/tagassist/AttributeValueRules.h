// What a typed attribute value must be before it goes into a tag.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velto {

class HtmlMetaAttBase;

inline constexpr std::string_view NoBlanksInValue = "Value can't contain spaces or tabs";

// The refusal of a value typed for an attribute, or nothing when it may be written. A
// value of an attribute with enumerated values is written without quotes, so it may not
// hold a blank or a tab, unless the attribute takes a list of words (ROLE).
[[nodiscard]] std::optional<std::string> RefuseTypedValue(const HtmlMetaAttBase& attribute,
                                                          std::string_view value);

} // namespace velto
