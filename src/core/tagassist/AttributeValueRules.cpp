// What a typed attribute value must be before it goes into a tag.
#include "core/tagassist/AttributeValueRules.h"

#include "core/htmlkb/HtmlMetaAttBase.h"

namespace velto {

std::optional<std::string> RefuseTypedValue(const HtmlMetaAttBase& attribute, std::string_view value) {
    // A list of words (several roles) is written in quotes, blanks and all.
    if (attribute.HasEnumValues() && !attribute.IsListValue() &&
        value.find_first_of(" \t") != std::string_view::npos)
        return std::string(NoBlanksInValue);
    return std::nullopt;
}

} // namespace velto
