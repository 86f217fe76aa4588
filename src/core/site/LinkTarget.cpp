// Where a link of a page leads.
#include "core/site/LinkTarget.h"

#include <vector>

namespace velto {

namespace {
char Lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsAlpha(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// The URL's scheme in lower case ("http"), empty when it has none. A single letter before
// ':' is a Windows drive, not a scheme.
std::string SchemeOf(std::string_view url) {
    if (url.empty() || !IsAlpha(url[0]))
        return {};
    std::size_t i = 1;
    while (i < url.size() && (IsAlpha(url[i]) || (url[i] >= '0' && url[i] <= '9') ||
                              url[i] == '+' || url[i] == '-' || url[i] == '.'))
        ++i;
    if (i >= url.size() || url[i] != ':' || i == 1)
        return {};
    std::string scheme(url.substr(0, i));
    for (char& c : scheme)
        c = Lower(c);
    return scheme;
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string("/")
                                           : std::string(path.substr(0, slash + 1));
}

// The cleaned-up text of a URL: leading and trailing blanks and control characters go,
// tabs and line ends inside are dropped, and '\' counts as '/', as browsers do.
std::string Cleaned(std::string_view url) {
    while (!url.empty() && static_cast<unsigned char>(url.front()) <= ' ')
        url.remove_prefix(1);
    while (!url.empty() && static_cast<unsigned char>(url.back()) <= ' ')
        url.remove_suffix(1);
    std::string out;
    out.reserve(url.size());
    for (char c : url)
        if (c != '\t' && c != '\n' && c != '\r')
            out += c == '\\' ? '/' : c;
    return out;
}

// A resolved link path (an absolute URL path) against the file system: "file:" URLs may
// name a host ("file://localhost/x"), and a Windows drive ("/C:/x") stays as written.
LinkTarget Local(std::string_view folder, std::string_view urlPath, std::string_view rest,
                 bool viaBase) {
    LinkTarget t;
    t.kind = LinkTarget::Kind::Local;
    std::string joined(folder);
    joined += PercentDecode(urlPath);
    t.path = NormalisePath(joined);
    t.viaBase = viaBase;
    const std::size_t hash = rest.find('#');
    if (hash != std::string_view::npos) {
        t.hasFragment = true;
        t.fragment = PercentDecode(rest.substr(hash + 1));
    }
    return t;
}
} // namespace

std::string PercentEncodePath(std::string_view path) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7F || c == '%' || c == '#' || c == '?' || c == '"' || c == '\'' ||
            c == '<' || c == '>') {
            out += '%';
            out += Hex[u >> 4];
            out += Hex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string NormalisePath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    bool trailing = false;
    while (i <= path.size()) {
        const std::size_t end = std::min(path.find('/', i), path.size());
        const std::string_view part = path.substr(i, end - i);
        trailing = part.empty() || part == "." || part == "..";
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = end + 1;
    }
    std::string out;
    for (std::string_view part : parts)
        out.append("/").append(part);
    if (out.empty() || (trailing && !parts.empty()))
        out += '/';
    return out;
}

LinkTarget ResolveLink(std::string_view rawUrl, const LinkContext& context) {
    std::string url = Cleaned(rawUrl);
    // The address relative links are read against: the page, or its BASE (itself read
    // against the page).
    std::string baseFolder = FolderOf(context.pagePath);
    std::string samePagePath = context.pagePath;
    bool viaBase = false;
    if (!context.base.empty()) {
        const LinkTarget base = ResolveLink(context.base, {context.pagePath, context.siteRoot, ""});
        if (base.kind == LinkTarget::Kind::Remote) {
            if (SchemeOf(url).empty()) {
                LinkTarget remote;
                remote.kind = LinkTarget::Kind::Remote;
                remote.viaBase = true;
                return remote;
            }
        } else if (base.kind == LinkTarget::Kind::Local) {
            baseFolder = base.path.ends_with('/') ? base.path : FolderOf(base.path);
            samePagePath = base.path;
            viaBase = true;
        }
    }
    if (url.empty() || url[0] == '?') {
        LinkTarget t; // the page itself, nothing to check
        t.samePage = true;
        return t;
    }
    if (url[0] == '#') {
        LinkTarget t = Local("", samePagePath, url, viaBase);
        t.path = samePagePath;
        t.samePage = samePagePath == context.pagePath;
        return t;
    }
    const std::string scheme = SchemeOf(url);
    const std::size_t restAt = std::min(url.find_first_of("?#"), url.size());
    const std::string_view rest = std::string_view(url).substr(restAt);
    std::string_view path = std::string_view(url).substr(0, restAt);
    if (scheme == "file") {
        path.remove_prefix(5);
        if (path.starts_with("//")) {
            // "file://host/path": only this machine's own host names a local file.
            path.remove_prefix(2);
            const std::size_t slash = std::min(path.find('/'), path.size());
            const std::string_view host = path.substr(0, slash);
            if (!host.empty() && host != "localhost")
                return {LinkTarget::Kind::Remote, {}, {}, false, false, viaBase};
            path.remove_prefix(slash);
        }
        return Local("/", path, rest, false);
    }
    if (!scheme.empty()) {
        LinkTarget t;
        t.kind = scheme == "http" || scheme == "https" || scheme == "ftp" ? LinkTarget::Kind::Remote
                                                                          : LinkTarget::Kind::Other;
        return t;
    }
    if (path.starts_with("//"))
        return {LinkTarget::Kind::Remote, {}, {}, false, false, viaBase};
    if (path.starts_with('/')) {
        // A site's own absolute paths name files below its folder, as its web server has it.
        std::string root = context.siteRoot.empty() ? std::string() : context.siteRoot;
        while (root.ends_with('/'))
            root.pop_back();
        return Local(root, path, rest, viaBase);
    }
    return Local(baseFolder, path, rest, viaBase);
}

} // namespace velto
