// Turning pasted or chosen text into the URL written into a URL-valued attribute.
#include "core/assist/InsertableUrl.h"

#include "core/assist/FileUrl.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace velto {

namespace {
char LowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (LowerAscii(text[i]) != LowerAscii(prefix[i]))
            return false;
    return true;
}

// Length of the common start of two texts.
std::size_t SharedLength(std::string_view a, std::string_view b, bool ignoreCase) noexcept {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() &&
           (ignoreCase ? LowerAscii(a[n]) == LowerAscii(b[n]) : a[n] == b[n]))
        ++n;
    return n;
}

// A Windows-style path with '\' separators and "C:" for "C|".
std::string NormalisedWindowsPath(std::string_view path) {
    std::string p(path);
    std::replace(p.begin(), p.end(), '/', '\\');
    if (HasDriveLetter(p))
        p[1] = ':';
    return p;
}
} // namespace

bool HasUrlPrefix(std::string_view text) noexcept {
    return std::any_of(UrlPrefixes.begin(), UrlPrefixes.end(),
                       [&](std::string_view p) { return StartsWithIgnoringCase(text, p); });
}

bool IsEmailAddress(std::string_view text) noexcept {
    if (text.find('@') == std::string_view::npos)
        return false;
    return std::none_of(text.begin(), text.end(), [](char c) {
        return NonEmailChars.find(c) != std::string_view::npos ||
               static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
}

bool IsLocalFile(std::string_view text) {
    if (text.empty())
        return false;
    const std::string path = LocalPath(text);
    std::string_view name = path;
    const bool windows = IsWindowsStylePath(name);
    if (HasDriveLetter(name))
        name.remove_prefix(2);
    const std::string_view forbidden = windows ? NonFileNameChars : NonFileNameChars.substr(1);
    return name.find_first_of(forbidden) == std::string_view::npos;
}

std::string RelativePath(std::string_view folderText, std::string_view targetText) {
    if (folderText.empty() || targetText.empty())
        return {};
    const bool windows = IsWindowsStylePath(folderText);
    if (windows != IsWindowsStylePath(targetText))
        return {};
    const char sep = windows ? '\\' : '/';
    std::string folder = windows ? NormalisedWindowsPath(folderText) : std::string(folderText);
    const std::string target =
        windows ? NormalisedWindowsPath(targetText) : std::string(targetText);
    if (HasDriveLetter(folder) && HasDriveLetter(target) &&
        LowerAscii(folder[0]) != LowerAscii(target[0]))
        return {};
    if (folder.back() != sep)
        folder += sep;
    // Both paths are absolute here when they begin with their root; a drive path and a
    // rooted path without a drive share no root and so no separator below.
    if (folder[0] != sep && !HasDriveLetter(folder))
        return {};
    if (target[0] != sep && !HasDriveLetter(target))
        return {};
    const std::size_t shared = SharedLength(folder, target, windows);
    const std::size_t cut = std::string_view(folder).substr(0, shared).rfind(sep);
    if (cut == std::string_view::npos)
        return {};
    std::string result;
    const auto levels =
        std::count(folder.begin() + static_cast<std::ptrdiff_t>(cut) + 1, folder.end(), sep);
    for (std::ptrdiff_t i = 0; i < levels; ++i)
        result += windows ? "..\\" : "../";
    result += target.substr(cut + 1);
    return result;
}

std::string DocumentFolder(std::string_view documentPath, std::string_view currentFolder) {
    std::string folder;
    const bool windows = IsWindowsStylePath(documentPath);
    const std::size_t last =
        windows ? documentPath.find_last_of("\\/") : documentPath.find_last_of('/');
    if (last != std::string_view::npos)
        folder = documentPath.substr(0, last + 1);
    else
        folder = currentFolder;
    const char sep = IsWindowsStylePath(folder) ? '\\' : '/';
    if (!folder.empty() && folder.back() != sep && folder.back() != '/')
        folder += sep;
    return folder;
}

std::string DocumentFolder(std::string_view documentPath) {
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return DocumentFolder(documentPath, ec ? std::string() : current.string());
}

std::string MakeInsertableUrl(std::string_view text, std::string_view documentFolder,
                              bool relativePaths) {
    if (!HasUrlPrefix(text) && IsEmailAddress(text))
        return "mailto:" + std::string(text);
    if (!StartsWithIgnoringCase(text, "file:") && !IsLocalFile(text))
        return std::string(text);
    std::string path(text);
    if (relativePaths && !documentFolder.empty()) {
        std::string relative = RelativePath(documentFolder, LocalPath(text));
        if (!relative.empty())
            path = std::move(relative);
    }
    return FileUrl(path);
}

} // namespace velto
