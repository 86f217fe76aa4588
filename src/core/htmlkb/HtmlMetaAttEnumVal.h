// HtmlMetaAttEnumVal: one enumerated value of an attribute.
#pragma once

#include "core/htmlkb/HtmlMeta.h"

namespace velto {

class HtmlMetaAttEnumVal : public HtmlMeta {
public:
    using HtmlMeta::HtmlMeta;

    [[nodiscard]] bool IsEnumValue() const override { return true; }
    // The "&Other..." entry: choosing it asks the user for a value.
    [[nodiscard]] bool IsManualEntryValue() const override;
    [[nodiscard]] bool IsAlsoAttributeName() const override;
    // Shown on the value menus: allowed by the version selection and not an attribute name.
    [[nodiscard]] bool IsOfferedValue() const override;
};

} // namespace velto
