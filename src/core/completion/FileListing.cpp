// FileListing: the files and folders a URL value being typed can go on with.
#include "core/completion/FileListing.h"

#include "core/assist/PercentDecoding.h"
#include "core/assist/UrlFileFilters.h"
#include "core/htmlkb/AsciiCase.h"

#include <filesystem>
#include <system_error>

namespace velto {

namespace {
namespace fs = std::filesystem;

// %XX escapes decoded; nothing when the path holds a NUL, which no path may hold.
std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out = PercentDecode(text);
    if (out.find('\0') != std::string::npos)
        return std::nullopt;
    return out;
}

bool IsRelativeUrl(std::string_view typed) noexcept {
    if (!typed.empty() && (typed[0] == '/' || typed[0] == '\\' || typed[0] == '#' || typed[0] == '?'))
        return false;
    // A scheme ("http:", "mailto:") ends at a ':' before any '/'.
    const std::size_t colon = typed.find(':');
    return colon == std::string_view::npos || typed.find('/') < colon;
}
} // namespace

std::vector<std::string> FilterPatterns(std::string_view filter) {
    std::vector<std::string> patterns;
    const std::size_t open = filter.rfind('(');
    const std::size_t close = filter.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return patterns;
    std::string_view list = filter.substr(open + 1, close - open - 1);
    while (!list.empty()) {
        const std::size_t semicolon = list.find(';');
        patterns.emplace_back(list.substr(0, semicolon));
        if (semicolon == std::string_view::npos)
            break;
        list.remove_prefix(semicolon + 1);
    }
    return patterns;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) noexcept {
    if (pattern == "*" || pattern == "*.*")
        return true;
    if (pattern.size() < 2 || pattern[0] != '*')
        return ascii::EqualNoCase(name, pattern);
    const std::string_view suffix = pattern.substr(1);
    return name.size() > suffix.size() &&
           ascii::EqualNoCase(name.substr(name.size() - suffix.size()), suffix);
}

std::string UrlPathSegment(std::string_view name) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7f || c == ' ' || c == '%' || c == '"' || c == '\'' || c == '#' ||
            c == '?' || c == '<' || c == '>') {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0xf];
        } else {
            out += ch;
        }
    }
    return out;
}

std::optional<FileListing> ListFilesForUrl(std::string_view typed, std::string_view documentFolder,
                                           std::uint32_t attributeKindFlags) {
    if (documentFolder.empty() || !IsRelativeUrl(typed))
        return std::nullopt;
    FileListing listing;
    const std::size_t slash = typed.rfind('/');
    listing.folderPart = slash == std::string_view::npos ? std::string() : std::string(typed.substr(0, slash + 1));
    listing.namePart = typed.substr(listing.folderPart.size());
    const std::optional<std::string> folder = PercentDecoded(listing.folderPart);
    if (!folder)
        return std::nullopt;

    const UrlFileDialogFilters filters = FiltersForUrlValue(attributeKindFlags);
    std::vector<std::string> patterns{"*"};
    if (filters.preselected < filters.rows.size())
        patterns = FilterPatterns(filters.rows[filters.preselected]->filter);

    std::error_code ec;
    fs::directory_iterator it(fs::path(std::string(documentFolder)) / *folder,
                              fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return std::nullopt;
    std::size_t read = 0;
    for (; it != fs::directory_iterator() && read < MaxFolderEntries; it.increment(ec), ++read) {
        if (ec)
            break;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        FileListing::Entry entry;
        entry.folder = it->is_directory(ec);
        if (!entry.folder) {
            if (!it->is_regular_file(ec))
                continue;
            bool kept = false;
            for (const std::string& p : patterns)
                kept = kept || MatchesPattern(name, p);
            if (!kept)
                continue;
            entry.size = it->file_size(ec);
        }
        entry.name = std::move(name);
        listing.entries.push_back(std::move(entry));
    }
    return listing;
}

} // namespace velto
