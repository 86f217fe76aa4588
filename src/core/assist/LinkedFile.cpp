// The local file a URL in a tag links to.
#include "core/assist/LinkedFile.h"

#include "core/assist/FileUrl.h"
#include "core/assist/InsertableUrl.h"
#include "core/assist/PercentDecoding.h"

#include <algorithm>
#include <array>

namespace velto {

namespace {
bool IsAbsolute(std::string_view path) noexcept {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || HasDriveLetter(path);
}

char Lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::optional<std::string> LinkedLocalFile(std::string_view url, std::string_view documentFolder) {
    while (!url.empty() && (url.front() == ' ' || url.front() == '\t'))
        url.remove_prefix(1);
    while (!url.empty() && (url.back() == ' ' || url.back() == '\t'))
        url.remove_suffix(1);
    url = url.substr(0, std::min(url.find_first_of("#?"), url.size()));
    if (url.empty())
        return std::nullopt;
    const bool fileScheme = url.size() >= 5 && Lower(url[0]) == 'f' && Lower(url[1]) == 'i' &&
                            Lower(url[2]) == 'l' && Lower(url[3]) == 'e' && url[4] == ':';
    // Any other scheme ("http:", "mailto:", "javascript:") names no local file.
    if (!fileScheme && (HasUrlPrefix(url) || (url.find(':') != std::string_view::npos &&
                                              !HasDriveLetter(url))))
        return std::nullopt;
    std::string path = LocalPath(PercentDecode(url));
    if (path.empty())
        return std::nullopt;
    if (!IsAbsolute(path)) {
        std::string folder(documentFolder);
        if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
            folder += IsWindowsStylePath(folder) ? '\\' : '/';
        path = folder + path;
    }
    return path;
}

bool IsEditorFileType(std::string_view path) noexcept {
    static constexpr std::array<std::string_view, 7> Extensions{".htm",   ".html", ".htt", ".sht",
                                                                ".shtml", ".html-ssi", ".htp"};
    return std::any_of(Extensions.begin(), Extensions.end(), [path](std::string_view ext) {
        if (path.size() <= ext.size())
            return false;
        const std::string_view tail = path.substr(path.size() - ext.size());
        return std::equal(tail.begin(), tail.end(), ext.begin(),
                          [](char a, char b) { return Lower(a) == b; });
    });
}

std::string_view FileNameOf(std::string_view path) noexcept {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace velto
