// CFileTreeScanner: one folder's entries for a folder menu: the files matching its include
// patterns and the sub-folders, sorted by name without regard to case, each name once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velto {

// One entry of a folder.
struct CFindFileInfo {
    std::string name;
    std::string path; // the folder joined with the name
    bool folder = false;
};

class CFileTreeScanner {
public:
    // A pattern such as "*.htt": '*' any run of characters, '?' any one, compared without
    // regard to case.
    void AddIncludePattern(std::string pattern) { patterns_.push_back(std::move(pattern)); }
    void AddExcludedName(std::string name) { excluded_.push_back(std::move(name)); }
    // Whether folders that match a pattern are taken as such; otherwise every sub-folder
    // is listed (for its own matching files).
    void SetIncludeFolders(bool include) { includeFolders_ = include; }

    // Lists the folder; false when nothing is found (a missing or unreadable folder gives
    // nothing). Hidden entries (names beginning with '.') are left out.
    bool Scan(const std::string& folder);
    [[nodiscard]] const std::string& Folder() const noexcept { return folder_; }
    [[nodiscard]] const std::vector<CFindFileInfo>& Entries() const noexcept { return entries_; }

    // A scanner for a sub-folder, with the same patterns, exclusions and flag; not scanned.
    [[nodiscard]] CFileTreeScanner EnterSubFolder() const;

    [[nodiscard]] static bool MatchesPattern(std::string_view pattern, std::string_view name) noexcept;

private:
    [[nodiscard]] bool IsExcluded(std::string_view name) const;
    void Insert(CFindFileInfo entry);

    std::vector<std::string> patterns_;
    std::vector<std::string> excluded_;
    bool includeFolders_ = false;
    std::string folder_;
    std::vector<CFindFileInfo> entries_;
};

// Names compared as the folder menus order them: ASCII letters without regard to case.
[[nodiscard]] int CompareNamesNoCase(std::string_view a, std::string_view b) noexcept;

} // namespace velto
