// The local file a URL in a tag links to, and whether the editor opens such a file itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velto {

// The local path a URL value names, read against the document's folder: a "file:" URL or
// a relative or absolute path, with its "#fragment" and "?query" dropped and its %XX
// escapes decoded. Nothing for an empty value, a bare fragment ("#top") or a URL of
// another scheme (http:, mailto:, ...).
[[nodiscard]] std::optional<std::string> LinkedLocalFile(std::string_view url,
                                                         std::string_view documentFolder);

// The file types the editor opens as documents: pages, server-side-include pages and
// templates (.htm, .html, .htt, .sht, .shtml, .html-ssi, .htp), in any case.
[[nodiscard]] bool IsEditorFileType(std::string_view path) noexcept;

// The last part of a path, for menu texts.
[[nodiscard]] std::string_view FileNameOf(std::string_view path) noexcept;

} // namespace velto
