// The preview files to delete.
#include "core/preview/CCleanupList.h"

#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"
#include "core/htmlkb/AsciiCase.h"

#include <filesystem>

namespace velto {

namespace {
constexpr const char* Section = "Cleanup Files";
constexpr const char* EmptySlot = "<empty>";
} // namespace

void CCleanupList::Load() {
    paths_.clear();
    for (std::size_t n = 1;; ++n) {
        const std::string path = settings_.GetString(Section, Key(n), "");
        if (path.empty())
            break;
        if (path != EmptySlot)
            paths_.push_back(path);
    }
    loaded_ = true;
    CleanUp();
}

void CCleanupList::Register(const std::string& path) {
    for (const std::string& p : paths_)
        if (ascii::EqualNoCase(p, path))
            return;
    paths_.push_back(path);
    settings_.WriteString(Section, Key(paths_.size()), path);
}

void CCleanupList::CleanUp() {
    if (!loaded_)
        return;
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        std::error_code ec;
        const bool exists = std::filesystem::exists(std::filesystem::symlink_status(paths_[i], ec));
        if (exists && !std::filesystem::remove(paths_[i], ec)) {
            prompter_.Message("Unable to remove temporary file.\n\n" + paths_[i], Prompter::Kind::Warning);
            kept.push_back(paths_[i]);
            continue;
        }
        settings_.WriteString(Section, Key(i + 1), EmptySlot);
    }
    for (std::size_t i = 0; i < kept.size(); ++i)
        settings_.WriteString(Section, Key(i + 1), kept[i]);
    // Clear the keys after the last one kept, up to the first that is empty already.
    for (std::size_t n = kept.size() + 1; !settings_.GetString(Section, Key(n), "").empty(); ++n)
        settings_.WriteString(Section, Key(n), "");
    // A file that would not go stays listed, so a later preview file does not take its key.
    paths_ = std::move(kept);
}

} // namespace velto
