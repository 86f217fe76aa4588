// CAppearanceConfig: one tag appearance class, a named character format.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"
#include "core/colouring/CRecCharFormat.h"

#include <string>

namespace velto {

// A class stores its fields under "<class name> <field>" keys, so all classes share one
// profile section.
class CAppearanceConfig : public CRecCharFormat {
public:
    static constexpr std::int32_t ClassHeight = -12;

    CAppearanceConfig(std::string name, std::uint32_t defaultColour);
    explicit CAppearanceConfig(AppearanceClass c)
        : CAppearanceConfig(std::string(InfoOf(c).name), InfoOf(c).defaultColour) {}

    [[nodiscard]] const std::string& Name() const noexcept { return name_; }

    // The defaults of a class, with a black text colour: the class's own colour is given
    // at construction only.
    void Reset() override;
    // "%s %s": the class name, a blank and the key.
    [[nodiscard]] std::string KeyName(std::string_view key) const override;

    // Takes the other class's name and whole format.
    void CopyFrom(const CAppearanceConfig& other) { *this = other; }

    bool operator==(const CAppearanceConfig&) const = default;

private:
    std::string name_;
};

} // namespace velto
