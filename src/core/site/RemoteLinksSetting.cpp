// The Check Remote Links setting in the profile.
#include "core/site/RemoteLinksSetting.h"

#include "core/platform/Profile.h"

namespace velto {

namespace {
constexpr std::string_view Section = "Link Check";
constexpr std::string_view Key = "Remote";
} // namespace

bool LoadCheckRemoteLinks(const Profile& profile) {
    // Only a stored 1 turns it on: fetching addresses is never started by a stray value.
    return profile.GetInt(Section, Key, 0) == 1;
}

bool SaveCheckRemoteLinks(Profile& profile, bool on) {
    return profile.WriteInt(Section, Key, on ? 1 : 0);
}

} // namespace velto
