// Remote addresses: scheme, host, request form and redirect resolution.
#include "core/site/RemoteAddress.h"

#include "core/site/LinkTarget.h"

#include <algorithm>
#include <cctype>

namespace velto {

namespace {
std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Where the scheme's ':' is, or npos when the address has no scheme.
std::size_t SchemeEnd(std::string_view url) {
    if (url.empty() || !std::isalpha(static_cast<unsigned char>(url[0])))
        return std::string_view::npos;
    for (std::size_t i = 1; i < url.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(url[i]);
        if (c == ':')
            return i;
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return std::string_view::npos;
    }
    return std::string_view::npos;
}

// An absolute address cut into "scheme://authority", the path and the rest ("?..." or "#...").
struct AddressParts {
    std::string_view origin;
    std::string_view path;
    std::string_view rest;
};

AddressParts Split(std::string_view url) {
    AddressParts parts;
    std::size_t at = SchemeEnd(url);
    at = at == std::string_view::npos ? 0 : at + 1;
    if (url.substr(at).starts_with("//"))
        at = std::min(url.find_first_of("/?#", at + 2), url.size());
    parts.origin = url.substr(0, at);
    const std::size_t restAt = std::min(url.find_first_of("?#", at), url.size());
    parts.path = url.substr(at, restAt - at);
    parts.rest = url.substr(restAt);
    return parts;
}

std::string WithoutFragment(std::string_view url) {
    return std::string(url.substr(0, std::min(url.find('#'), url.size())));
}

// A path with "." and ".." resolved, kept absolute.
std::string DotsResolved(std::string_view path) {
    if (path.empty())
        return "/";
    return NormalisePath(path);
}
} // namespace

std::string UrlScheme(std::string_view url) {
    url = Trimmed(url);
    const std::size_t end = SchemeEnd(url);
    return end == std::string_view::npos ? std::string() : Lower(url.substr(0, end));
}

std::string UrlHost(std::string_view url) {
    url = Trimmed(url);
    const std::size_t end = SchemeEnd(url);
    std::size_t at = end == std::string_view::npos ? 0 : end + 1;
    if (!url.substr(at).starts_with("//"))
        return {};
    at += 2;
    std::string_view authority =
        url.substr(at, std::min(url.find_first_of("/?#", at), url.size()) - at);
    if (const std::size_t user = authority.rfind('@'); user != std::string_view::npos)
        authority.remove_prefix(user + 1);
    return Lower(authority);
}

std::string RequestAddress(std::string_view url) {
    url = Trimmed(url);
    url = url.substr(0, std::min(url.find('#'), url.size()));
    std::string out;
    if (url.starts_with("//"))
        out = "https:";
    static constexpr char hex[] = "0123456789ABCDEF";
    bool inQuery = false;
    for (const char ch : url) {
        const unsigned char c = static_cast<unsigned char>(ch);
        // Browsers read a backslash before the query as a slash.
        inQuery = inQuery || c == '?';
        if (c == '\\' && !inQuery) {
            out += '/';
            continue;
        }
        if (c <= ' ' || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
            c == '`' || c == '{' || c == '|' || c == '}') {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

std::string ResolveAddress(std::string_view base, std::string_view reference) {
    reference = Trimmed(reference);
    base = Trimmed(base);
    if (SchemeEnd(reference) != std::string_view::npos)
        return std::string(reference);
    const AddressParts from = Split(base);
    if (reference.starts_with("//"))
        return UrlScheme(base) + ":" + std::string(reference);
    if (reference.empty())
        return WithoutFragment(base);
    if (reference[0] == '#')
        return WithoutFragment(base) + std::string(reference);
    if (reference[0] == '?')
        return std::string(from.origin) + std::string(from.path.empty() ? "/" : from.path) +
               std::string(reference);
    const std::size_t restAt = std::min(reference.find_first_of("?#"), reference.size());
    const std::string_view path = reference.substr(0, restAt);
    const std::string_view rest = reference.substr(restAt);
    std::string joined;
    if (path.starts_with('/')) {
        joined = path;
    } else {
        const std::size_t slash = from.path.rfind('/');
        joined =
            slash == std::string_view::npos ? "/" : std::string(from.path.substr(0, slash + 1));
        joined += path;
    }
    // A last segment of "." or ".." names a folder.
    if (joined.ends_with("/.") || joined.ends_with("/.."))
        joined += '/';
    return std::string(from.origin) + DotsResolved(joined) + std::string(rest);
}

} // namespace velto
