// Where a link of a page leads, resolved as a browser resolves it against the page's own
// address (or its BASE): a local file with an optional fragment, a remote address, or
// something that names no file (mailto:, javascript:, data:).
#pragma once

#include "core/assist/PercentDecoding.h"

#include <string>
#include <string_view>

namespace velto {

struct LinkTarget {
    enum class Kind {
        Local,  // path names a file or folder on this machine
        Remote, // http:, https:, ftp: or a scheme-relative "//host/..."
        Other,  // mailto:, javascript:, data:, tel: ... and empty links
    };
    Kind kind = Kind::Other;
    std::string path;     // Local: absolute, '.' and '..' resolved, %XX decoded
    std::string fragment; // decoded, without '#'
    bool hasFragment = false;
    bool samePage = false; // the link names the page itself ("#top", "", "?q")
    bool viaBase = false;  // resolved against the page's BASE
};

struct LinkContext {
    std::string pagePath; // absolute path of the page
    std::string siteRoot; // a path beginning with '/' is taken below this folder
    std::string base;     // the page's BASE href, empty when none
};

// Resolves url (attribute value with references decoded) for the page.
[[nodiscard]] LinkTarget ResolveLink(std::string_view url, const LinkContext& context);

// Joins a folder and a relative path and resolves "." and ".." as URLs do (".." above the
// root stays at the root).
[[nodiscard]] std::string NormalisePath(std::string_view path);

// A path written as a URL path: characters that would end or change a URL (blank, '%',
// '#', '?', quotes, '<', '>', control characters) as %XX; other bytes as they are.
[[nodiscard]] std::string PercentEncodePath(std::string_view path);

} // namespace velto
