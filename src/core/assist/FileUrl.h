// FileUrl and LocalPath: between local file paths and "file:" URLs.
#pragma once

#include <string>
#include <string_view>

namespace velto {

// Paths come in two styles. Native paths of this platform use '/' and are absolute when
// they begin with '/'. Windows-style paths (from documents and clipboards written there)
// begin with a drive letter and ':' (or '|', as in URLs) or with a backslash; their
// separator is '\' and their names compare ignoring case.
[[nodiscard]] bool HasDriveLetter(std::string_view path) noexcept; // "C:" or "C|" at the start
[[nodiscard]] bool IsWindowsStylePath(std::string_view path) noexcept;

// The URL of a local file. A drive path becomes "file:///" with the drive letter followed
// by '|' ("C:\web\a.htm" -> "file:///C|/web/a.htm"), an absolute native path becomes
// "file://" and the path ("/home/u/a.htm" -> "file:///home/u/a.htm"), and every '\'
// becomes '/'. A "file:" URL keeps its slashes (gaining "///" before a drive letter when
// it has none); anything else, relative paths and server URLs, keeps its text apart from
// backslashes turned into '/'.
[[nodiscard]] std::string FileUrl(std::string_view path);

// The local path of a "file:" URL or a path: the "file:" prefix and the slashes after it
// go; a drive letter followed by '|' or ':' gives a Windows path with '\' separators, any
// other URL path a native absolute path. A text without "file:" keeps its form, except a
// Windows-style path whose '/' become '\' and whose "C|" becomes "C:".
[[nodiscard]] std::string LocalPath(std::string_view url);

} // namespace velto
