// HTML support options of section "HTML Configuration", with the selectable versions.
#pragma once

#include "core/config/HtmlVer.h"

#include <cstdint>
#include <vector>

namespace velto {

class Profile;

class CHtmlConfig {
public:
    static constexpr const char* Section = "HTML Configuration";
    static constexpr const char* VersionKeyPrefix = "HtmlVerSetting";
    static constexpr const char* VersionListEnd = "<end>";

    CHtmlConfig();

    // Derived from the versions' states: OR of the masks with state bit 1 ("all of")
    // and with state bit 2 ("any of").
    std::uint32_t allMask = 0;
    std::uint32_t anyMask = 0;

    bool advancedAttsOnPopup = true;
    bool advancedAttsGreyed = true;
    int userNameType = 2; // 0 HTML tags, 1 HTML terms, 2 descriptive
    bool vgaColoursOnMenu = true;
    bool userColoursOnMenu = true;

    // The selectable versions in their fixed order.
    std::vector<HtmlVer> versions;

    void Load(const Profile& profile);
    bool Save(Profile& profile) const;
    void RecomputeMasks();

    // Sets a version's state (normalised); false when no version has that name.
    bool SetVersionState(const std::string& name, std::uint32_t state);
};

} // namespace velto
