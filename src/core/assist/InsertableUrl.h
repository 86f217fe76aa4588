// Turning pasted or chosen text into the URL written into a URL-valued attribute.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velto {

// The prefixes that mark a text as a URL already, in this order.
inline constexpr std::array<std::string_view, 6> UrlPrefixes{
    "file:", "ftp:", "http:", "https:", "mailto:", "news:"};
// Characters that no local file name may hold ('/' only in Windows-style paths).
inline constexpr std::string_view NonFileNameChars = "/:*?\"<>|";
// Characters that an e-mail address may not hold.
inline constexpr std::string_view NonEmailChars = " ,;#\"'/\\";

// True when the text begins with one of the URL prefixes, in any case.
[[nodiscard]] bool HasUrlPrefix(std::string_view text) noexcept;
// True when the text holds '@' and none of NonEmailChars nor any control character, so
// "Jo Bloggs <jo@example.com>" is not an address but "jo@example.com" is.
[[nodiscard]] bool IsEmailAddress(std::string_view text) noexcept;
// True when the local path of a non-empty text (see LocalPath), after any drive letter,
// holds none of the characters file names cannot hold.
[[nodiscard]] bool IsLocalFile(std::string_view text);

// The path of `target` relative to `folder` ("img/b.gif", "../other/c.gif"), or an empty
// text when there is none: an empty folder, paths that are not both absolute or not of the
// same style, different drives or different roots. Windows-style paths compare ignoring
// case and give '\' separators; native paths compare exactly and give '/'.
[[nodiscard]] std::string RelativePath(std::string_view folder, std::string_view target);

// The folder of a document with a trailing separator; `currentFolder` (given a separator
// too) for a document without a path.
[[nodiscard]] std::string DocumentFolder(std::string_view documentPath,
                                         std::string_view currentFolder);
// The same, with the process's current folder for a document without a path.
[[nodiscard]] std::string DocumentFolder(std::string_view documentPath);

// The URL to insert for a text: an e-mail address gains "mailto:"; a "file:" URL or a
// local file becomes its path relative to the document's folder when `relativePaths` is on
// and there is one, and then its file URL; anything else is kept as it is.
[[nodiscard]] std::string MakeInsertableUrl(std::string_view text, std::string_view documentFolder,
                                            bool relativePaths);

} // namespace velto
