// The preview files to delete.
#include "core/preview/CCleanupList.h"

#include "core/config/GeneralConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"
#include "core/preview/LivePreviewRules.h"
#include "core/preview/PreviewFile.h"

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace velto {

namespace {
constexpr const char* Section = "Cleanup Files";
constexpr const char* EmptySlot = "<empty>";
// The preview names this program has ever written: the built-in ones and the numbers of
// the pattern the settings give.
constexpr std::string_view BuiltInPattern = "~veltopv%d.htm";
constexpr int HighestPreviewNumber = 99;

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern.find("%d") == std::string_view::npos)
        return false;
    for (int n = 0; n <= HighestPreviewNumber; ++n)
        if (name == FormatPreviewName(pattern, n))
            return true;
    return false;
}

std::string_view FileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
} // namespace

bool CCleanupList::IsOwnPreviewFile(const std::string& path) const {
    const std::string_view name = FileName(path);
    const std::string configured =
        settings_.GetString(CGeneralConfig::Section, "PreviewTmpFile", "");
    const bool ownName = MatchesPattern(name, BuiltInPattern) ||
                         MatchesPattern(name, LivePreviewFilePattern) ||
                         (!configured.empty() && configured.find('/') == std::string::npos &&
                          MatchesPattern(name, configured));
    if (!ownName || path.empty() || path.front() != '/')
        return false;
    // The entry itself, not what a link points at: a regular file of this user.
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

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
        // The list is only a settings file: whatever it names that this program did not
        // write (a user's page, a folder, a link) is dropped from it and left alone.
        if (IsOwnPreviewFile(paths_[i]) && std::remove(paths_[i].c_str()) != 0 && errno != ENOENT) {
            prompter_.Message("Unable to remove temporary file.\n\n" + paths_[i],
                              Prompter::Kind::Warning);
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
