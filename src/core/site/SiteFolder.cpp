// The files of a site folder.
#include "core/site/SiteFolder.h"

#include "core/templates/CFileTreeScanner.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace velto {

namespace fs = std::filesystem;

namespace {
bool HasExtension(std::string_view name, std::string_view ext) noexcept {
    if (name.size() <= ext.size() || name[name.size() - ext.size() - 1] != '.')
        return false;
    return CompareNamesNoCase(name.substr(name.size() - ext.size()), ext) == 0;
}

template <std::size_t N>
bool HasAnyExtension(std::string_view name, const std::array<std::string_view, N>& exts) noexcept {
    return std::any_of(exts.begin(), exts.end(),
                       [name](std::string_view ext) { return HasExtension(name, ext); });
}

constexpr std::array<std::string_view, 6> PageExtensions{"htm", "html",  "htt",
                                                         "sht", "shtml", "html-ssi"};
constexpr std::array<std::string_view, 11> ImageExtensions{
    "gif", "png", "jpg", "jpeg", "jpe", "webp", "svg", "bmp", "ico", "avif", "tif"};

// Walks one folder's entries, giving each its name and whether it is a folder; entries
// that are neither files nor folders, hidden ones and unreadable ones are left out.
template <class Visit> void ForEachEntry(const std::string& folder, Visit&& visit) {
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (!isFolder && !it->is_regular_file(typeError))
            continue;
        // A link to a folder is listed but never entered by the recursive walk.
        const bool isLink = it->is_symlink(typeError);
        visit(std::move(name), it->path().string(), isFolder, isLink);
    }
}

bool TreeOrder(const SiteEntry& a, const SiteEntry& b) {
    if (a.IsFolder() != b.IsFolder())
        return a.IsFolder();
    const int byName = CompareNamesNoCase(a.name, b.name);
    return byName != 0 ? byName < 0 : a.name < b.name;
}

void Collect(const std::string& folder, const IncludePatterns* include,
             const std::atomic<bool>* stop, std::vector<std::string>& out) {
    if (stop && stop->load(std::memory_order_relaxed))
        return;
    std::vector<SiteEntry> entries;
    ForEachEntry(folder, [&](std::string name, std::string path, bool isFolder, bool isLink) {
        if (isFolder && isLink)
            return;
        entries.push_back({std::move(name), std::move(path),
                           isFolder ? SiteFileKind::Folder : SiteFileKind::Other});
    });
    std::sort(entries.begin(), entries.end(), TreeOrder);
    for (SiteEntry& e : entries) {
        if (e.IsFolder())
            Collect(e.path, include, stop, out);
        else if (!include || include->Matches(e.name))
            out.push_back(std::move(e.path));
    }
}
} // namespace

SiteFileKind SiteFileKindOf(std::string_view name) noexcept {
    if (HasAnyExtension(name, PageExtensions) || HasExtension(name, "htp"))
        return SiteFileKind::Page;
    if (HasAnyExtension(name, ImageExtensions))
        return SiteFileKind::Image;
    if (HasExtension(name, "css"))
        return SiteFileKind::StyleSheet;
    if (HasExtension(name, "js") || HasExtension(name, "mjs"))
        return SiteFileKind::Script;
    return SiteFileKind::Other;
}

std::vector<SiteEntry> ReadSiteFolder(const std::string& folder) {
    std::vector<SiteEntry> entries;
    ForEachEntry(folder, [&](std::string name, std::string path, bool isFolder, bool) {
        const SiteFileKind kind = isFolder ? SiteFileKind::Folder : SiteFileKindOf(name);
        entries.push_back({std::move(name), std::move(path), kind});
    });
    std::sort(entries.begin(), entries.end(), TreeOrder);
    return entries;
}

IncludePatterns::IncludePatterns() : IncludePatterns(DefaultList()) {}

IncludePatterns::IncludePatterns(std::string_view list) {
    std::size_t i = 0;
    while (i < list.size()) {
        const std::size_t end = std::min(list.find_first_of(";, \t", i), list.size());
        if (end > i)
            patterns_.emplace_back(list.substr(i, end - i));
        i = end + 1;
    }
    if (patterns_.empty())
        patterns_.emplace_back("*");
}

std::string_view IncludePatterns::DefaultList() noexcept {
    return "*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi";
}

bool IncludePatterns::Matches(std::string_view fileName) const noexcept {
    return std::any_of(patterns_.begin(), patterns_.end(), [fileName](const std::string& p) {
        return CFileTreeScanner::MatchesPattern(p, fileName);
    });
}

std::vector<std::string> CollectSiteFiles(const std::string& root, const IncludePatterns& include,
                                          const std::atomic<bool>* stop) {
    std::vector<std::string> files;
    Collect(root, &include, stop, files);
    return files;
}

std::vector<std::string> CollectAllSiteFiles(const std::string& root) {
    std::vector<std::string> files;
    Collect(root, nullptr, nullptr, files);
    return files;
}

} // namespace velto
