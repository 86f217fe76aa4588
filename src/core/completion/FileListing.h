// FileListing: the files and folders a URL value being typed can go on with, read from the
// folder it points into beside the document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct FileListing {
    struct Entry {
        std::string name;
        bool folder = false;
        std::uintmax_t size = 0;
    };
    std::string folderPart; // the typed text up to and with its last '/'
    std::string namePart;   // the typed text after it, which the entries are matched with
    std::vector<Entry> entries; // folders, and files of the attribute's kind, unsorted
};

// How many entries of a folder are read at most, so that a huge folder costs a bounded time.
inline constexpr std::size_t MaxFolderEntries = 2000;

// The entries for a typed URL value relative to the document's folder (which ends with a
// separator), filtered as the file dialog of the attribute's value kind filters them.
// Nothing for a value that is no relative path (a scheme, "//", '/', '#' or '?' first), an
// empty document folder, or a folder that cannot be read. Hidden entries are left out.
[[nodiscard]] std::optional<FileListing> ListFilesForUrl(std::string_view typed,
                                                         std::string_view documentFolder,
                                                         std::uint32_t attributeKindFlags);

// The patterns of a file dialog filter's text: "Images (*.gif;*.png)" gives *.gif, *.png.
[[nodiscard]] std::vector<std::string> FilterPatterns(std::string_view filter);
// Whether a file name matches "*.ext" (without regard to ASCII case) or "*.*" or "*".
[[nodiscard]] bool MatchesPattern(std::string_view name, std::string_view pattern) noexcept;

// A file or folder name as it goes into a URL: '%', blanks, quotes, '#', '?', '<', '>' and
// control characters escaped as %XX; other bytes, UTF-8 included, as they are.
[[nodiscard]] std::string UrlPathSegment(std::string_view name);

} // namespace velto
