// The files of a site folder: one folder's entries for the tree (read when the folder is
// opened), the kind of each file, and every file below a folder that matches the include
// patterns of a search or check.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

enum class SiteFileKind { Folder, Page, Image, StyleSheet, Script, Other };

struct SiteEntry {
    std::string name;
    std::string path; // the folder joined with the name
    SiteFileKind kind = SiteFileKind::Other;
    [[nodiscard]] bool IsFolder() const noexcept { return kind == SiteFileKind::Folder; }
};

// The kind a file's name gives it (its extension, in any case).
[[nodiscard]] SiteFileKind SiteFileKindOf(std::string_view name) noexcept;

// One folder's entries: folders first, then files, each sorted by name as the folder menus
// sort them (letters without regard to case); hidden entries (a leading '.') and anything
// that is neither a file nor a folder are left out. A missing or unreadable folder gives
// nothing.
[[nodiscard]] std::vector<SiteEntry> ReadSiteFolder(const std::string& folder);

// Include patterns: "*.htm;*.html", also separated by ',' or blanks; '*' and '?' wildcards
// matched against the file name without regard to case.
class IncludePatterns {
public:
    // The page types the editor opens (*.htm, *.html, *.htt, *.sht, *.shtml, *.html-ssi).
    IncludePatterns();
    explicit IncludePatterns(std::string_view list);

    [[nodiscard]] bool Matches(std::string_view fileName) const noexcept;
    [[nodiscard]] const std::vector<std::string>& Patterns() const noexcept { return patterns_; }
    // The default list, as the find dialog shows it.
    [[nodiscard]] static std::string_view DefaultList() noexcept;

private:
    std::vector<std::string> patterns_;
};

// Every file below root (its sub-folders included, hidden ones left out, links to folders
// not followed, so a loop of links cannot trap the walk) whose name matches, in tree
// order. Stops early, with what it has, when stop becomes true.
[[nodiscard]] std::vector<std::string> CollectSiteFiles(const std::string& root,
                                                        const IncludePatterns& include,
                                                        const std::atomic<bool>* stop = nullptr);
// Every file below root, whatever its name.
[[nodiscard]] std::vector<std::string> CollectAllSiteFiles(const std::string& root);

} // namespace velto
