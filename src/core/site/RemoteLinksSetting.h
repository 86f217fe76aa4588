// Whether Check Links also asks web servers about the site's remote addresses, as the
// profile keeps it between runs (off unless the user ticked it).
#pragma once

namespace velto {

class Profile;

[[nodiscard]] bool LoadCheckRemoteLinks(const Profile& profile);
bool SaveCheckRemoteLinks(Profile& profile, bool on);

} // namespace velto
