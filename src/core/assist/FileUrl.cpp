// FileUrl and LocalPath: between local file paths and "file:" URLs.
#include "core/assist/FileUrl.h"

#include <algorithm>

namespace velto {

namespace {
bool IsAsciiLetter(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithFilePrefix(std::string_view text, bool ignoreCase) noexcept {
    constexpr std::string_view Prefix = "file:";
    if (text.size() < Prefix.size())
        return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i) {
        char c = text[i];
        if (ignoreCase && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != Prefix[i])
            return false;
    }
    return true;
}

std::string Replaced(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}
} // namespace

bool HasDriveLetter(std::string_view path) noexcept {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && (path[1] == ':' || path[1] == '|');
}

bool IsWindowsStylePath(std::string_view path) noexcept {
    return HasDriveLetter(path) || (!path.empty() && path[0] == '\\');
}

std::string FileUrl(std::string_view text) {
    std::string result;
    std::string_view rest = text;
    if (StartsWithFilePrefix(text, false)) {
        std::size_t end = 5;
        while (end < text.size() && text[end] == '/')
            ++end;
        result = text.substr(0, end);
        rest = text.substr(end);
        if (result.back() != '/' && HasDriveLetter(rest))
            result += "///";
    } else if (HasDriveLetter(text)) {
        result = "file:///";
    } else if (!text.empty() && text[0] == '/') {
        result = "file://"; // the path brings the third slash
    }
    if (rest.size() >= 2 && IsAsciiLetter(rest[0]) && rest[1] == ':') {
        result += rest[0];
        result += '|';
        rest.remove_prefix(2);
    }
    result += Replaced(rest, '\\', '/');
    return result;
}

std::string LocalPath(std::string_view url) {
    if (StartsWithFilePrefix(url, true)) {
        std::string_view rest = url.substr(5);
        const bool rooted = !rest.empty() && rest[0] == '/';
        while (!rest.empty() && rest[0] == '/')
            rest.remove_prefix(1);
        if (!HasDriveLetter(rest))
            return (rooted ? "/" : "") + std::string(rest);
        url = rest;
    }
    if (!IsWindowsStylePath(url))
        return std::string(url);
    std::string path = Replaced(url, '/', '\\');
    if (HasDriveLetter(path))
        path[1] = ':';
    return path;
}

} // namespace velto
