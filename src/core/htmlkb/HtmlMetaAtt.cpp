// HtmlMetaAtt: an attribute that keeps its enumerated values.
#include "core/htmlkb/HtmlMetaAtt.h"

#include "core/htmlkb/AsciiCase.h"

namespace velto {

void HtmlMetaAtt::AddValue(std::unique_ptr<HtmlMetaAttEnumVal> value) {
    if (value)
        values_.push_back(std::move(value));
}

const HtmlMetaAttEnumVal* HtmlMetaAtt::FindValue(std::string_view name) const {
    for (const auto& v : values_)
        if (!v->IsManualEntryValue() && ascii::EqualNoCase(v->Name(), name))
            return v.get();
    return nullptr;
}

} // namespace velto
