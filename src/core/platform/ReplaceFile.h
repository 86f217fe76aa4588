// Writing a whole file safely: the bytes go to a temporary file beside it, which then
// replaces the file in one rename, so a failed write never leaves a half-written file.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace velto {

enum class ReplaceResult {
    Written,
    CannotCreate, // the temporary file could not be created (no folder, no permission)
    WriteFailed,  // writing, flushing or the rename failed; the old file is untouched
};

// Writes bytes to path through "PATH.tmp" and a rename; an existing file keeps its
// permissions. On failure error holds what went wrong, with the system's own words.
ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes, std::string& error);

// The same with the bytes given in pieces, written one after another (a header and a text
// need not be joined first). With flushToDisk the bytes reach the disk before the rename,
// so that even a power cut leaves either the old file or the new one.
ReplaceResult ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces,
                                  std::string& error, bool flushToDisk);
ReplaceResult ReplaceFileContents(const std::string& path, std::initializer_list<std::string_view> pieces,
                                  std::string& error, bool flushToDisk);

} // namespace velto
