// The site folders opened last.
#include "core/site/RecentSiteFolders.h"

#include "core/platform/Profile.h"

#include <algorithm>

namespace velto {

namespace {
constexpr std::string_view Section = "Site Folders";
}

void RecentSiteFolders::Load(const Profile& profile) {
    folders_.clear();
    for (std::size_t i = 1; i <= MaxFolders; ++i) {
        std::string folder = profile.GetString(Section, "Folder" + std::to_string(i), "");
        if (!folder.empty() &&
            std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
            folders_.push_back(std::move(folder));
    }
    open_ = profile.GetInt(Section, "Open", 0) != 0;
}

bool RecentSiteFolders::Save(Profile& profile) const {
    bool ok = true;
    for (std::size_t i = 1; i <= MaxFolders; ++i)
        ok = profile.WriteString(Section, "Folder" + std::to_string(i),
                                 i <= folders_.size() ? folders_[i - 1] : "") &&
             ok;
    return profile.WriteInt(Section, "Open", open_ ? 1 : 0) && ok;
}

void RecentSiteFolders::Open(const std::string& folder) {
    std::string name = folder;
    while (name.size() > 1 && name.back() == '/')
        name.pop_back();
    folders_.erase(std::remove(folders_.begin(), folders_.end(), name), folders_.end());
    folders_.insert(folders_.begin(), std::move(name));
    if (folders_.size() > MaxFolders)
        folders_.resize(MaxFolders);
    open_ = true;
}

} // namespace velto
