// HTML support options of section "HTML Configuration".
#include "core/config/HtmlConfig.h"

#include "core/config/ScanNumbers.h"
#include "core/platform/Profile.h"

#include <cstdio>

namespace velto {

namespace {
std::string VersionKey(std::size_t index) {
    char key[40];
    std::snprintf(key, sizeof key, "%s%02zu", CHtmlConfig::VersionKeyPrefix, index);
    return key;
}
} // namespace

CHtmlConfig::CHtmlConfig() {
    using namespace VersionBits;
    versions = {
        {"HTML v2.0", Html20, VersionState::AnyOf},
        {"HTML v3.2", Html32, VersionState::AnyOf},
        {"HTML v4.0", Html40, VersionState::AnyOf},
        {"Internet Explorer 2.0", Explorer20, VersionState::AnyOf},
        {"Internet Explorer 3.0", Explorer30, VersionState::AnyOf},
        {"Netscape Navigator 2.0", Navigator20, VersionState::AnyOf},
        {"Netscape Navigator 3.0", Navigator30, VersionState::AnyOf},
        // Appended: a settings file from before it lists seven and gives this its default.
        {"HTML5", Html5, VersionState::AnyOf},
    };
    RecomputeMasks();
}

void CHtmlConfig::RecomputeMasks() {
    allMask = anyMask = 0;
    for (const HtmlVer& v : versions) {
        if (v.state & VersionState::AllOf)
            allMask |= v.mask;
        if (v.state & VersionState::AnyOf)
            anyMask |= v.mask;
    }
}

bool CHtmlConfig::SetVersionState(const std::string& name, std::uint32_t state) {
    for (HtmlVer& v : versions) {
        if (v.name == name) {
            v.state = HtmlVer::Normalised(state);
            return true;
        }
    }
    return false;
}

void CHtmlConfig::Load(const Profile& p) {
    const CHtmlConfig d;
    auto flag = [&](const char* key, bool def) { return p.GetInt(Section, key, def ? 1 : 0) != 0; };
    advancedAttsOnPopup = flag("AdvancedAttsOnPopup", d.advancedAttsOnPopup);
    advancedAttsGreyed = flag("AdvancedAttsGreyed", d.advancedAttsGreyed);
    userNameType = p.GetInt(Section, "UserNameType", d.userNameType);
    vgaColoursOnMenu = flag("VgaColoursOnMenu", d.vgaColoursOnMenu);
    userColoursOnMenu = flag("UserColoursOnMenu", d.userColoursOnMenu);

    // "name,state" records under consecutive keys; the first value that does not carry a
    // number after its comma (normally "<end>") ends the list. Unknown names are skipped.
    // A stored list cannot be longer than a few times the known one, so a store full of
    // junk cannot keep the loop going for long.
    for (std::size_t i = 0; i < 100; ++i) {
        const std::string value = p.GetString(Section, VersionKey(i), "");
        const std::size_t comma = value.find(',');
        if (comma == std::string::npos)
            break;
        std::size_t pos = comma + 1;
        std::int64_t state = 0;
        if (!ScanInt(value, pos, state))
            break;
        SetVersionState(value.substr(0, comma), static_cast<std::uint32_t>(state));
    }
    RecomputeMasks();
}

bool CHtmlConfig::Save(Profile& p) const {
    bool ok = p.WriteInt(Section, "AdvancedAttsOnPopup", advancedAttsOnPopup) &&
              p.WriteInt(Section, "AdvancedAttsGreyed", advancedAttsGreyed) &&
              p.WriteInt(Section, "UserNameType", userNameType) &&
              p.WriteInt(Section, "VgaColoursOnMenu", vgaColoursOnMenu) &&
              p.WriteInt(Section, "UserColoursOnMenu", userColoursOnMenu);
    std::size_t i = 0;
    for (; ok && i < versions.size(); ++i)
        ok = p.WriteString(Section, VersionKey(i),
                           versions[i].name + "," + std::to_string(versions[i].state));
    return ok && p.WriteString(Section, VersionKey(i), VersionListEnd);
}

} // namespace velto
