// AppearanceSettings: the fourteen appearance classes in order and the tag colouring switch.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"
#include "core/colouring/CAppearanceConfig.h"

#include <span>
#include <string_view>
#include <vector>

namespace velto {

class Profile;

// Owned by the application; the Options page edits it and every view's colouring reads it.
class AppearanceSettings {
public:
    static constexpr const char* Section = "Appearance";
    static constexpr const char* EnableKey = "EnableNonTextStyles";

    // The classes in their fixed order, each with its default colour.
    AppearanceSettings();

    // Non-zero: tags are coloured by class; 0: everything in the "Text" format.
    int enableNonTextStyles = 1;
    [[nodiscard]] ColourMode Mode() const noexcept {
        return enableNonTextStyles != 0 ? ColourMode::Tags : ColourMode::Plain;
    }

    [[nodiscard]] CAppearanceConfig& Class(AppearanceClass c) {
        return classes_[static_cast<std::size_t>(c)];
    }
    [[nodiscard]] const CAppearanceConfig& Class(AppearanceClass c) const {
        return classes_[static_cast<std::size_t>(c)];
    }
    [[nodiscard]] std::span<CAppearanceConfig> Classes() noexcept { return classes_; }
    [[nodiscard]] std::span<const CAppearanceConfig> Classes() const noexcept { return classes_; }
    // The position of the class named exactly so, or 0 (the first class) when none is.
    [[nodiscard]] std::size_t IndexOfName(std::string_view name) const noexcept;

    // The switch first, then each class in order; a class without a stored face keeps
    // what it has.
    void LoadAll(const Profile& profile, std::string_view section = Section);
    // The switch first, then each class in order, stopping at the first failed write.
    bool SaveAll(Profile& profile, std::string_view section = Section) const;

private:
    std::vector<CAppearanceConfig> classes_;
};

} // namespace velto
