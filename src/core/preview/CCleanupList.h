// The preview files written, kept in "Cleanup Files" so that they are deleted at exit or,
// after a crash, at the next start.
#pragma once

#include <string>
#include <vector>

namespace velto {

class Profile;
class Prompter;

class CCleanupList {
public:
    CCleanupList(Profile& settings, Prompter& prompter)
        : settings_(settings), prompter_(prompter) {}

    // Reads Tmp1, Tmp2, ... up to the first empty one ("<empty>" slots skipped), then
    // cleans up.
    void Load();
    // Adds a path not listed yet (compared without regard to case) and stores it.
    void Register(const std::string& path);
    // Deletes the listed files and rewrites the keys with the ones that remain. A file
    // that cannot be deleted is reported and stays listed, to be tried again. Only files
    // this program wrote are deleted (see IsOwnPreviewFile); other entries are dropped.
    void CleanUp();

    // Whether path is a preview file of this program: an absolute path whose name is one
    // of the preview names, a regular file (not a folder, not a link) owned by this user.
    [[nodiscard]] bool IsOwnPreviewFile(const std::string& path) const;

    [[nodiscard]] const std::vector<std::string>& Paths() const noexcept { return paths_; }

private:
    [[nodiscard]] static std::string Key(std::size_t position) {
        return "Tmp" + std::to_string(position);
    }

    Profile& settings_;
    Prompter& prompter_;
    std::vector<std::string> paths_;
    bool loaded_ = false;
};

} // namespace velto
