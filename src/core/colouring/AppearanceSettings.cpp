// AppearanceSettings: the appearance classes and the colouring switch, loaded and saved together.
#include "core/colouring/AppearanceSettings.h"

#include "core/platform/Profile.h"

namespace velto {

AppearanceSettings::AppearanceSettings() {
    classes_.reserve(AppearanceClassCount);
    for (const AppearanceClassInfo& info : AppearanceClasses)
        classes_.emplace_back(std::string(info.name), info.defaultColour);
}

std::size_t AppearanceSettings::IndexOfName(std::string_view name) const noexcept {
    for (std::size_t i = 0; i < classes_.size(); ++i)
        if (classes_[i].Name() == name)
            return i;
    return 0;
}

void AppearanceSettings::LoadAll(const Profile& profile, std::string_view section) {
    enableNonTextStyles = profile.GetInt(section, EnableKey, enableNonTextStyles);
    for (CAppearanceConfig& c : classes_)
        c.Load(profile, section);
}

bool AppearanceSettings::SaveAll(Profile& profile, std::string_view section) const {
    if (!profile.WriteInt(section, EnableKey, enableNonTextStyles))
        return false;
    for (const CAppearanceConfig& c : classes_)
        if (!c.Save(profile, section))
            return false;
    return true;
}

} // namespace velto
