// The site folders opened last, most recent first, kept in the settings ("Site Folders",
// "Folder1" ...), and which one is open now so that it opens again at the next start.
#pragma once

#include <string>
#include <vector>

namespace velto {

class Profile;

class RecentSiteFolders {
public:
    static constexpr std::size_t MaxFolders = 6;

    void Load(const Profile& profile);
    bool Save(Profile& profile) const;

    // Puts folder first (once) and makes it the open one.
    void Open(const std::string& folder);
    // No folder open now (the list stays).
    void Close() { open_ = false; }

    [[nodiscard]] const std::vector<std::string>& Folders() const noexcept { return folders_; }
    // The folder to open at start-up, empty when none was open at the last exit.
    [[nodiscard]] std::string Current() const {
        return open_ && !folders_.empty() ? folders_.front() : std::string();
    }

private:
    std::vector<std::string> folders_;
    bool open_ = false;
};

} // namespace velto
