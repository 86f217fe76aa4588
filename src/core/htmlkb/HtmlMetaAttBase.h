// HtmlMetaAttBase: the base of everything in an element's attribute list.
#pragma once

#include "core/htmlkb/HtmlMeta.h"

#include <memory>
#include <span>

namespace velto {

class HtmlMetaAttEnumVal;

class HtmlMetaAttBase : public HtmlMeta {
public:
    using HtmlMeta::HtmlMeta;

    [[nodiscard]] std::uint32_t Kind() const noexcept;

    [[nodiscard]] bool IsListValue() const override;
    [[nodiscard]] bool IsRequired() const override;
    [[nodiscard]] bool HasEnumValues() const override;
    [[nodiscard]] bool HasFreeValue() const override { return !HasEnumValues(); }
    [[nodiscard]] bool IsValueOptional() const override;
    [[nodiscard]] bool IsFlagAttribute() const override;
    [[nodiscard]] bool IsImageValued() const override;

    // Served by the URL assistance: kinds 1 to 20.
    [[nodiscard]] virtual bool IsUrlValued() const;
    // A colour attribute whose value menu shows colours under the current settings.
    [[nodiscard]] virtual bool IsColourOnMenu() const;
    [[nodiscard]] virtual bool IsShared() const { return false; }

    // Appends an enumerated value; only attributes that keep values store it.
    virtual void AddValue(std::unique_ptr<HtmlMetaAttEnumVal> value);
    // The enumerated values in menu order.
    [[nodiscard]] virtual std::span<const std::unique_ptr<HtmlMetaAttEnumVal>> Values() const {
        return {};
    }
};

} // namespace velto
