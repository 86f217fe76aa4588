// CFileTreeScanner: one folder's entries for a folder menu.
#include "core/templates/CFileTreeScanner.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace velto {

namespace {
constexpr char Fold(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
} // namespace

int CompareNamesNoCase(std::string_view a, std::string_view b) noexcept {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(Fold(a[i]));
        const auto y = static_cast<unsigned char>(Fold(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool CFileTreeScanner::MatchesPattern(std::string_view pattern, std::string_view name) noexcept {
    // Iterative wildcard matching with one backtrack point for the last '*'.
    std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool CFileTreeScanner::IsExcluded(std::string_view name) const {
    return std::any_of(excluded_.begin(), excluded_.end(),
                       [name](const std::string& x) { return CompareNamesNoCase(x, name) == 0; });
}

void CFileTreeScanner::Insert(CFindFileInfo entry) {
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), entry.name,
                                     [](const CFindFileInfo& e, const std::string& name) {
                                         return CompareNamesNoCase(e.name, name) < 0;
                                     });
    // Names that differ only in case are one entry: the first found stays.
    if (at != entries_.end() && CompareNamesNoCase(at->name, entry.name) == 0)
        return;
    entries_.insert(at, std::move(entry));
}

bool CFileTreeScanner::Scan(const std::string& folder) {
    namespace fs = std::filesystem;
    entries_.clear();
    folder_ = folder;
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return false;
    std::vector<CFindFileInfo> found;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.' || IsExcluded(name))
            continue;
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (!isFolder && !it->is_regular_file(typeError))
            continue; // sockets, pipes, devices and broken links are no menu entries
        found.push_back({name, it->path().string(), isFolder});
    }
    // The folder's own order is arbitrary; of two names that differ only in case the one
    // first in byte order stays, the same on every scan.
    std::sort(found.begin(), found.end(), [](const CFindFileInfo& a, const CFindFileInfo& b) { return a.name < b.name; });
    // Every pattern's matches first, in pattern order, then the folders.
    for (const std::string& pattern : patterns_)
        for (const CFindFileInfo& e : found)
            if ((!e.folder || includeFolders_) && MatchesPattern(pattern, e.name))
                Insert(e);
    if (!includeFolders_)
        for (const CFindFileInfo& e : found)
            if (e.folder)
                Insert(e);
    return !entries_.empty();
}

CFileTreeScanner CFileTreeScanner::EnterSubFolder() const {
    CFileTreeScanner sub;
    sub.patterns_ = patterns_;
    sub.excluded_ = excluded_;
    sub.includeFolders_ = includeFolders_;
    return sub;
}

} // namespace velto
