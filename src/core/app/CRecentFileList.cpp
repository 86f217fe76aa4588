// The recently used files.
#include "core/app/CRecentFileList.h"

#include "core/platform/Profile.h"

#include <algorithm>

namespace velto {

CRecentFileList::CRecentFileList(int size, int entryWidth)
    : capacity_(static_cast<std::size_t>(std::max(size, 0))),
      displayLength_(static_cast<std::size_t>(std::max(entryWidth, BuiltInDisplayLength))) {}

void CRecentFileList::Add(const std::string& path) {
    if (capacity_ == 0 || path.empty())
        return;
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_)
        entries_.resize(capacity_);
}

void CRecentFileList::Remove(std::size_t index) {
    if (index < entries_.size())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string CRecentFileList::DisplayName(std::size_t index) const {
    if (index >= entries_.size())
        return {};
    return AbbreviateName(entries_[index], displayLength_, true);
}

void CRecentFileList::ReadList(const Profile& profile) {
    entries_.clear();
    for (std::size_t i = 1; i <= capacity_; ++i) {
        std::string path = profile.GetString(Section, "File" + std::to_string(i), "");
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end())
            entries_.push_back(std::move(path));
    }
}

bool CRecentFileList::WriteList(Profile& profile) const {
    bool ok = true;
    for (std::size_t i = 0; i < capacity_; ++i) {
        const std::string value = i < entries_.size() ? entries_[i] : std::string();
        ok = profile.WriteString(Section, "File" + std::to_string(i + 1), value) && ok;
    }
    return ok;
}

namespace {
bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// Length of the root kept in front of the "...": "C:" of a drive path, "\\server\share"
// of a network path, nothing for a path from "/".
std::size_t RootLength(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':')
        return 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t pos = 2;
        for (int parts = 0; parts < 2 && pos < path.size(); ++parts) {
            while (pos < path.size() && !IsSeparator(path[pos]))
                ++pos;
            if (parts == 0 && pos < path.size())
                ++pos;
        }
        return pos;
    }
    return 0;
}
} // namespace

std::string AbbreviateName(std::string_view path, std::size_t maxLength, bool atLeastName) {
    if (path.size() <= maxLength)
        return std::string(path);
    std::size_t nameStart = path.size();
    while (nameStart > 0 && !IsSeparator(path[nameStart - 1]))
        --nameStart;
    const std::string_view name = path.substr(nameStart);
    const std::size_t root = std::min(RootLength(path), nameStart);
    constexpr std::string_view ellipsis = "...";
    // Drop whole components after the root until root + separator + "..." + the rest fits.
    std::size_t cut = root;
    while (cut < nameStart) {
        std::size_t next = cut;
        if (next < path.size() && IsSeparator(path[next]))
            ++next;
        while (next < nameStart && !IsSeparator(path[next]))
            ++next;
        cut = next; // the rest now starts at a separator (or is the name)
        const std::size_t restLength = path.size() - cut;
        if (cut < nameStart && root + 1 + ellipsis.size() + restLength <= maxLength) {
            const char sep = path[cut];
            return std::string(path.substr(0, root)) + sep + std::string(ellipsis) +
                   std::string(path.substr(cut));
        }
    }
    if (name.size() <= maxLength || atLeastName)
        return std::string(name);
    return {};
}

} // namespace velto
