// HtmlMetaAtt: an ordinary attribute with its list of enumerated values.
#pragma once

#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"

#include <vector>

namespace velto {

class HtmlMetaAtt : public HtmlMetaAttBase {
public:
    using HtmlMetaAttBase::HtmlMetaAttBase;

    void AddValue(std::unique_ptr<HtmlMetaAttEnumVal> value) override;
    [[nodiscard]] std::span<const std::unique_ptr<HtmlMetaAttEnumVal>> Values() const override {
        return values_;
    }
    // The value whose plain name equals name without regard to case, or none.
    [[nodiscard]] const HtmlMetaAttEnumVal* FindValue(std::string_view name) const;

private:
    std::vector<std::unique_ptr<HtmlMetaAttEnumVal>> values_;
};

} // namespace velto
